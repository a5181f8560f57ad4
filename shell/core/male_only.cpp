#include "shell/core/male_only.h"

namespace shell {

bool SwitchMaleOnlyOn(char sexInField, int sexField, int redrawSexFrame, RequestList& requests) {
  requests.MaleOnly(true);
  if (sexInField == 'M') {
    return false;
  }
  requests.SelectAll(sexField);
  requests.Focus(sexField);
  requests.SetText(sexField, "M", Write::KeepMaleOnly);
  requests.Program(redrawSexFrame);
  return true;
}

}  // namespace shell
