// "Male Only" as both windows have it: switched over, ended by the clerk's
// own sex, kept through a Clear. Switched off: the option drawn off. On: the
// option drawn on and, unless Sex holds "M" already, "M" put there:
// selected, given the focus and written as the program's own write, which
// does not switch the option off again, and the field's frame drawn again.
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

// A Clear of the fields `first` to `last` (Sex among them): each emptied as
// the clerk's cut would, its change reaction running; with the option on,
// Sex is emptied and refilled with "M" by the program, and neither write is
// the clerk choosing a sex.
void EmptyForClear(bool on, int first, int last, int sexField, RequestList& requests);

}  // namespace shell
