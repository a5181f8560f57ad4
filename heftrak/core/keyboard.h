// How the entry fields of the weight control window and its personal data dialog answer the
// keyboard: which characters each takes, how many, and where Tab, Enter and
// the arrows move the focus.
#pragma once

#include "shell/core/navigation.h"

namespace heftrak {

extern const shell::NavigationRules kNavigation;

}  // namespace heftrak
