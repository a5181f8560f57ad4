#include "shell/win32/observer.h"

namespace shell {

namespace {

const Observer* listener = nullptr;

}  // namespace

void Observe(const Observer* observer) {
  listener = observer;
}

const Observer* Listener() {
  return listener;
}

}  // namespace shell
