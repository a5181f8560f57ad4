// The weight control window as the core sees it: its sixty fields (texts,
// focus, focus target) and the calculator's state, every command the core
// decides and every reaction to what the fields report. The window loads
// it, asks it and carries out what it answers; the tests and the roster
// drive it as a clerk would, with no window at all.
#pragma once

#include "heftrak/core/evaluation.h"
#include "shell/core/field_model.h"
#include "shell/core/requests.h"

namespace heftrak {

class WindowModel final : public shell::FieldReactions {
 public:
  WindowModel() = default;
  WindowModel(const WindowModel&) = delete;
  WindowModel& operator=(const WindowModel&) = delete;

  // As the window opens: nothing entered, nothing shown.
  void Reset();

  // Check, Calculate, Clear, Clear Calc. or Male Only, by its command id,
  // on the fields as they stand; any other command (the dialogs, printing)
  // is the window's own and gives nothing here.
  shell::RequestList Command(int command);

  void FieldChanged(int field, shell::Write write, shell::RequestList& requests) override;
  void FieldFocused(int from, int to, bool byProgram, shell::RequestList& requests) override;

  WeightControlState state;
  shell::FieldModel fields{kFieldKinds, *this};

 private:
  static const shell::FieldKinds kFieldKinds;
};

}  // namespace heftrak
