// What the window does when an entry field reports a change of its text or
// a focus move: results that no longer match their entries come down, and
// the prompt follows the user from one calculator to the other.
#include "heftrak/core/reactions.h"
#include "heftrak/win32/window_parts.h"

namespace heftrak {

namespace {

void OnChange(HWND window, int field) {
  WeightControlWindow& w = Window();
  // Only fields the user can type into become the focus target: the window
  // empties and fills the read-only results itself, and the caret must not
  // come back into one of them.
  if (!IsResultField(field)) {
    w.focusTarget = static_cast<FieldId>(field);
  }
  ChangeFlags flags;
  flags.rewriting = w.rewriting;
  flags.settingSex = w.settingSex;
  flags.maleOnly = w.maleOnly;
  flags.screeningShown = w.state.screeningShown;
  flags.bodyFatShown = w.state.bodyFatShown;
  flags.bodyFatFromMale = w.bodyFatFromMale;
  const ChangeActions actions = ChangeReaction(field, flags);
  if (actions.switchMaleOnlyOff) {
    ToggleMaleOnly(window);
  }
  if (actions.invalidateAgeSex) {
    w.state.ageSexValidated = false;
  }
  if (actions.disablePrint) {
    EnablePrint(window, false);
  }
  if (actions.hideScreening) {
    w.state.screeningShown = false;
  }
  if (actions.hideBodyFat) {
    w.state.bodyFatShown = false;
  }
  if (actions.showStartPrompt) {
    ShowMessage(window, kStartPrompt);
  }
  if (actions.emptyMaleResults) {
    EmptyResults(kMaleResults);
  }
  if (actions.emptyFemaleResults) {
    EmptyResults(kFemaleResults);
  }
}

void OnSetFocus(HWND window, int field) {
  WeightControlWindow& w = Window();
  // A click can put the caret into a read-only result, but the window must
  // not bring it back there after a restore or a dialog.
  if (!IsResultField(field)) {
    w.focusTarget = static_cast<FieldId>(field);
  }
  if (w.windowMovingFocus) {
    return;
  }
  if (const std::optional<MessageCode> prompt = FocusPrompt(w.lastFieldLeft, field)) {
    ShowMessage(window, *prompt);
  }
}

}  // namespace

void OnFieldNotification(HWND window, int field, int code) {
  if (field < 0 || field >= kMainFieldCount) {
    return;
  }
  switch (code) {
    case EN_CHANGE:
      OnChange(window, field);
      break;
    case EN_SETFOCUS:
      OnSetFocus(window, field);
      break;
    case EN_KILLFOCUS:
      Window().lastFieldLeft = field;
      break;
    default:
      break;
  }
}

}  // namespace heftrak
