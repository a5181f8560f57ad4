// The weight control window as the core sees it: its sixty fields and the
// calculator's state, with Check, Calculate, the Clears and "Male Only"
// (shell/core/window_model.h).
#pragma once

#include "heftrak/core/evaluation.h"
#include "shell/core/window_model.h"

namespace heftrak {

class WindowModel : public shell::WindowModel<WeightControlState> {
 public:
  WindowModel();
};

}  // namespace heftrak
