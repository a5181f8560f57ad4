// "Male Only" switched over, as both windows do it. Off: the option drawn
// off. On: the option drawn on and, unless Sex holds "M" already, "M" put
// there: selected, given the focus and written as the program's own write,
// which does not switch the option off again, and the field's frame drawn
// again.
#pragma once

#include <string_view>

#include "shell/core/requests.h"

namespace shell {

// `on` and `sex` are the program's state of the option and the sex letter;
// `sexText` is what the Sex field holds. True when Sex had to be written,
// whose change reaction then has run.
bool ToggleMaleOnly(bool& on, char& sex, std::string_view sexText, int sexField,
                    RequestList& requests);

// A change of `field`: a sex the clerk typed into Sex ends the option; the
// program's own "M" (or emptying) for it does not.
void EndMaleOnlyOnClerksSex(bool& on, int field, Write write, int sexField, RequestList& requests);

}  // namespace shell
