#include "heftrak/core/window_model.h"

#include "heftrak/core/reactions.h"

namespace heftrak {

namespace {

bool IsMultiLine(int field) {
  return IsRightAligned(field);
}

bool IsReadOnly(int field) {
  // A click can put the caret into a result, but the window must not bring
  // it back there after a restore or a dialog.
  return IsResultField(field);
}

using Evaluate = void (*)(WeightControlState&, const FieldTexts&, shell::RequestList&);

}  // namespace

const shell::FieldKinds WindowModel::kFieldKinds = {kMainFieldCount, &IsMultiLine, &IsReadOnly,
                                                    kSex};

void WindowModel::Reset() {
  state = WeightControlState{};
  fields.Reset();
}

shell::RequestList WindowModel::Command(int command) {
  const auto evaluation = [this](Evaluate evaluate) {
    const shell::FieldSnapshot<kMainFieldCount> texts(fields);
    return fields.Run(
        [&](shell::RequestList& requests) { evaluate(state, texts.texts(), requests); });
  };
  switch (command) {
    case kCheckCommand:
      return evaluation(&CheckScreening);
    case kCalculateCommand:
      return evaluation(&CalculateBodyFat);
    case kClearCommand:
      return fields.Run(
          [this](shell::RequestList& requests) { ClearWeightScreen(state, requests); });
    case kClearCalcCommand:
      return fields.Run(
          [this](shell::RequestList& requests) { ClearCalculators(state, requests); });
    case kMaleOnlyCommand: {
      const std::string_view sex = fields.Text(kSex);
      const char sexInField = sex.empty() ? '\0' : sex[0];
      return fields.Run(
          [&](shell::RequestList& requests) { ToggleMaleOnly(state, sexInField, requests); });
    }
    default:
      return {};
  }
}

void WindowModel::FieldChanged(int field, shell::Write write, shell::RequestList& requests) {
  heftrak::FieldChanged(state, field, write, requests);
}

void WindowModel::FieldFocused(int from, int to, bool byProgram, shell::RequestList& requests) {
  heftrak::FieldFocused(from, to, byProgram, requests);
}

}  // namespace heftrak
