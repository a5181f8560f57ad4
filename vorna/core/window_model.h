// The fitness test window as the core sees it: its six entry fields (texts,
// focus, focus target) and the test's state, every command the core decides
// and every reaction to what the fields report, the scoring chart's included.
// The window loads it, asks it and carries out what it answers; the tests and
// the roster drive it as a clerk would, with no window at all.
#pragma once

#include "shell/core/field_model.h"
#include "shell/core/requests.h"
#include "vorna/core/state.h"

namespace vorna {

class WindowModel final : public shell::FieldReactions {
 public:
  WindowModel() = default;
  WindowModel(const WindowModel&) = delete;
  WindowModel& operator=(const WindowModel&) = delete;

  // As the window opens: nothing entered, nothing scored.
  void Reset();

  // Calculate, Clear or Male Only, by its command id, on the fields as they
  // stand; any other command (the dialog, printing) is the window's own and
  // gives nothing here.
  shell::RequestList Command(int command);

  void FieldChanged(int field, shell::Write write, shell::RequestList& requests) override;
  void FieldFocused(int from, int to, bool byProgram, shell::RequestList& requests) override;

  TestState state;
  shell::FieldModel fields{kFieldKinds, *this};

 private:
  static const shell::FieldKinds kFieldKinds;
};

}  // namespace vorna
