#include "shell/core/male_only.h"

namespace shell {

bool ToggleMaleOnly(bool& on, char& sex, char sexInField, int sexField, RequestList& requests) {
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

}  // namespace shell
