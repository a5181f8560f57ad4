// How the entry fields of the fitness test window and its personal data dialog answer the
// keyboard: which characters each takes, how many, and where Tab, Enter and
// the arrows move the focus.
#pragma once

#include "shell/core/navigation.h"

namespace vorna {

extern const shell::NavigationRules kNavigation;

}  // namespace vorna
