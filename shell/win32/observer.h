// What the programs show and sound, told to whoever listens: the tests, which
// can neither hear a beep nor read pixels back from a display-less driver. A
// program runs with nobody listening.
#pragma once

#include <functional>

namespace shell {

struct Observer {
  std::function<void()> alerted;  // the alert sounded
};

// Starts telling `observer` (nullptr: nobody) what happens; the caller keeps
// it alive until it stops listening.
void Observe(const Observer* observer);

// Who listens now, or nullptr.
const Observer* Listener();

}  // namespace shell
