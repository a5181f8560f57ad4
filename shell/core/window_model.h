// A program's window as its core sees it: the entry fields (field_model.h)
// and the program's state, the commands the core decides and the reactions
// to what the fields report, by the program's own rules. The window loads
// it, asks it and carries out what it answers; the tests and the roster
// programs drive it as a clerk would, with no window at all.
#pragma once

#include "shell/core/field_model.h"
#include "shell/core/requests.h"

namespace shell {

template <typename State>
struct WindowRules {
  FieldKinds fields;
  // A command the core decides (Check, Clear, "Male Only", ...), on the
  // fields as they stand when it begins; nothing for one it does not know.
  void (*command)(State& state, const FieldModel& fields, int command, RequestList& requests);
  void (*fieldChanged)(State& state, int field, Write write, RequestList& requests);
  void (*fieldFocused)(State& state, const FieldModel& fields, int from, int to, bool byProgram,
                       RequestList& requests);
};

template <typename State>
class WindowModel : public FieldReactions {
 public:
  explicit WindowModel(const WindowRules<State>& rules)
      : rules_(rules), fields(rules.fields, *this) {}
  WindowModel(const WindowModel&) = delete;
  WindowModel& operator=(const WindowModel&) = delete;

  // As the window opens: nothing entered, nothing shown.
  void Reset() {
    state = State{};
    fields.Reset();
  }

  RequestList Command(int command) {
    RequestList requests;
    Command(command, requests);
    return requests;
  }
  // The same into a list kept from command to command, emptied first: a
  // roster runs a command or two for each of its rows.
  void Command(int command, RequestList& requests) {
    fields.Run(requests, [&](RequestList& list) { rules_.command(state, fields, command, list); });
  }

  void FieldChanged(int field, Write write, RequestList& requests) final {
    rules_.fieldChanged(state, field, write, requests);
  }
  void FieldFocused(int from, int to, bool byProgram, RequestList& requests) final {
    rules_.fieldFocused(state, fields, from, to, byProgram, requests);
  }

 private:
  const WindowRules<State>& rules_;

 public:
  State state;
  FieldModel fields;
};

}  // namespace shell
