#include "vorna/core/window_model.h"

#include "vorna/core/evaluation.h"
#include "vorna/core/reactions.h"

namespace vorna {

namespace {

using shell::FieldModel;
using shell::RequestList;

void Command(TestState& state, const FieldModel& fields, int command, RequestList& requests) {
  switch (command) {
    case kCalculateCommand: {
      const shell::FieldSnapshot<kEntryFieldCount> entries(fields);
      EvaluateScores(state, entries.texts(), requests);
      break;
    }
    case kClearCommand:
      ClearTest(state, requests);
      break;
    case kMaleOnlyCommand:
      ToggleMaleOnly(state, fields.Text(kSex), requests);
      break;
    default:
      break;
  }
}

void Focused(TestState& state, const FieldModel& fields, int /*from*/, int to, bool /*byProgram*/,
             RequestList& requests) {
  const shell::FieldSnapshot<kEntryFieldCount> entries(fields);
  FieldFocused(state, entries.texts(), to, requests);
}

// Six single-line fields the clerk types into.
bool None(int /*field*/) {
  return false;
}

const shell::WindowRules<TestState> kRules = {
    {kEntryFieldCount, &None, &None, kSex},
    &Command,
    &FieldChanged,
    &Focused,
};

}  // namespace

WindowModel::WindowModel() : shell::WindowModel<TestState>(kRules) {}

}  // namespace vorna
