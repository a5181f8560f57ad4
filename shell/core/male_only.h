// "Male Only" switched on, as both windows do it: the option drawn on and,
// unless Sex holds "M" already, "M" put there: selected, given the focus and
// written as the program's own write, which does not switch the option off
// again, and the field's frame drawn again.
#pragma once

#include "shell/core/requests.h"

namespace shell {

// True when Sex had to be written. `redrawSexFrame` is the program's own
// request that draws the Sex field's frame.
bool SwitchMaleOnlyOn(char sexInField, int sexField, int redrawSexFrame, RequestList& requests);

}  // namespace shell
