#include "shell/core/male_only.h"

namespace shell {

bool ToggleMaleOnly(bool& on, char& sex, std::string_view sexText, int sexField,
                    RequestList& requests) {
  const char sexInField = sexText.empty() ? '\0' : sexText[0];
  on = !on;
  requests.MaleOnly(on);
  if (!on) {
    return false;
  }
  sex = sexInField;
  if (sexInField == 'M') {
    return false;
  }
  sex = 'M';
  requests.SelectAll(sexField);
  requests.Focus(sexField);
  requests.SetText(sexField, "M", Write::KeepMaleOnly);
  requests.RedrawFrame(sexField);
  return true;
}

void EndMaleOnlyOnClerksSex(bool& on, int field, Write write, int sexField, RequestList& requests) {
  if (field == sexField && on && write == Write::Edit) {
    on = false;
    requests.MaleOnly(false);
  }
}

void EmptyForClear(bool on, int first, int last, int sexField, RequestList& requests) {
  const Write write = on ? Write::KeepMaleOnly : Write::Edit;
  for (int field = first; field <= last; ++field) {
    requests.EmptyField(field, write);
  }
  if (on) {
    requests.SetText(sexField, "M", Write::KeepMaleOnly);
  }
}

}  // namespace shell
