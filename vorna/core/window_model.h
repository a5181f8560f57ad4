// The fitness test window as the core sees it: its six entry fields and the
// test's state, with Calculate, Clear and "Male Only", and the scoring chart
// a focus move brings (shell/core/window_model.h).
#pragma once

#include "shell/core/window_model.h"
#include "vorna/core/state.h"

namespace vorna {

class WindowModel : public shell::WindowModel<TestState> {
 public:
  WindowModel();
};

}  // namespace vorna
