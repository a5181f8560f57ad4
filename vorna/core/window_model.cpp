#include "vorna/core/window_model.h"

#include "vorna/core/evaluation.h"
#include "vorna/core/reactions.h"

namespace vorna {

namespace {

// Six single-line fields the clerk types into.
bool None(int /*field*/) {
  return false;
}

}  // namespace

const shell::FieldKinds WindowModel::kFieldKinds = {kEntryFieldCount, &None, &None, kSex};

void WindowModel::Reset() {
  state = TestState{};
  fields.Reset();
}

shell::RequestList WindowModel::Command(int command) {
  switch (command) {
    case kCalculateCommand: {
      const shell::FieldSnapshot<kEntryFieldCount> entries(fields);
      return fields.Run(
          [&](shell::RequestList& requests) { EvaluateScores(state, entries.texts(), requests); });
    }
    case kClearCommand:
      return fields.Run([this](shell::RequestList& requests) { ClearTest(state, requests); });
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
  vorna::FieldChanged(state, field, write, requests);
}

void WindowModel::FieldFocused(int /*from*/, int to, bool /*byProgram*/,
                               shell::RequestList& requests) {
  EntryTexts entries;
  for (int id = 0; id < kEntryFieldCount; ++id) {
    entries[static_cast<std::size_t>(id)] = fields.Text(id);
  }
  vorna::FieldFocused(state, entries, to, requests);
}

}  // namespace vorna
