#include "heftrak/core/window_model.h"

#include "heftrak/core/reactions.h"

namespace heftrak {

namespace {

using shell::FieldModel;
using shell::RequestList;

void Command(WeightControlState& state, const FieldModel& fields, int command,
             RequestList& requests) {
  switch (command) {
    case kCheckCommand:
      CheckScreening(state, fields.Snapshot().first<kMainFieldCount>(), requests);
      break;
    case kCalculateCommand:
      CalculateBodyFat(state, fields.Snapshot().first<kMainFieldCount>(), requests);
      break;
    case kClearCommand:
      ClearWeightScreen(state, requests);
      break;
    case kClearCalcCommand:
      ClearCalculators(state, requests);
      break;
    case kMaleOnlyCommand:
      ToggleMaleOnly(state, fields.Text(kSex), requests);
      break;
    default:
      break;
  }
}

void Focused(WeightControlState& /*state*/, const FieldModel& /*fields*/, int from, int to,
             bool byProgram, RequestList& requests) {
  FieldFocused(from, to, byProgram, requests);
}

// A click can put the caret into a result, but the window must not bring it
// back there after a restore or a dialog.
const shell::WindowRules<WeightControlState> kRules = {
    {kMainFieldCount, &IsRightAligned, &IsResultField, kSex},
    &Command,
    &FieldChanged,
    &Focused,
};

}  // namespace

WindowModel::WindowModel() : shell::WindowModel<WeightControlState>(kRules) {}

}  // namespace heftrak
