#include "heftrak/win32/main_window.h"

#include "heftrak/core/reactions.h"
#include "heftrak/core/report.h"
#include "heftrak/core/roster_program.h"
#include "heftrak/core/window_layout.h"
#include "heftrak/resources/heftrak_ids.h"
#include "heftrak/win32/charts.h"
#include "heftrak/win32/window_parts.h"
#include "shell/win32/app.h"
#include "shell/win32/drawing.h"
#include "shell/win32/fields.h"
#include "shell/win32/frame.h"
#include "shell/win32/male_only.h"
#include "shell/win32/print_dialog.h"
#include "shell/win32/replay.h"
#include "shell/win32/report_page.h"
#include "shell/win32/roster_window.h"
#include "shell/win32/text.h"

namespace heftrak {

namespace {

void OnCreate(HWND window) {
  WeightControlWindow& w = Window();
  w = WeightControlWindow{};
  // Panels and frames are drawn with the window's own device context at any
  // moment; clipping the children keeps them from painting over the fields.
  SetWindowLongA(window, GWL_STYLE, GetWindowLongA(window, GWL_STYLE) | WS_CLIPCHILDREN);
  const shell::LayoutGrid& g = shell::App().grid;
  for (const shell::ButtonPlace& button : LayoutFor(g).buttons) {
    shell::CreateButton(window, button);
  }
  const shell::Point box = MaleOnlyBox(g);
  shell::PlaceMaleOnly(window, box.x, box.y);
  shell::AddAboutEntry(window);
  shell::AddRosterEntry(window, RosterProgram());
}

// Runs one of the core's commands on the state and replays what it decided.
void Run(HWND window, void (*command)(WeightControlState&, shell::RequestList&)) {
  shell::RequestList requests;
  command(Window().state, requests);
  shell::Replay(window, requests);
}

using Evaluate = void (*)(WeightControlState&, const FieldTexts&, shell::RequestList&);

// Check and Calculate over the fields as they stand.
void RunEvaluation(HWND window, Evaluate evaluate) {
  shell::RequestList requests;
  {
    const shell::EntrySnapshot<kMainFieldCount> fields;
    evaluate(Window().state, fields.texts(), requests);
  }
  shell::Replay(window, requests);
}

void OpenCharts(HWND window, bool male) {
  char age[8] = {};
  shell::ReadFieldText(shell::App().fields.At(kAge), age, sizeof age);
  ShowCharts(window, male ? ChartSex::Male : ChartSex::Female, ChartAge(age));
}

void OnCommand(HWND window, int command, bool fromControl) {
  switch (command) {
    case kCalculateCommand:
      RunEvaluation(window, &CalculateBodyFat);
      break;
    case kClearCalcCommand:
      Run(window, &ClearCalculators);
      break;
    case kMaleOnlyCommand:
      shell::ToggleMaleOnly(window);
      break;
    case kPrintCommand:
      shell::ShowPrintDialog(window, kPrintDialogIds);
      break;
    case kCheckCommand:
      RunEvaluation(window, &CheckScreening);
      break;
    case kClearCommand:
      Run(window, &ClearWeightScreen);
      break;
    case kMaleChartsCommand:
    case kFemaleChartsCommand:
      OpenCharts(window, command == kMaleChartsCommand);
      break;
    case IDM_PRINT_REPORT:
      // Only from the personal data dialog, which sends it without a control.
      if (!fromControl) {
        shell::PrintReport(BodyFatReport(Window().state, shell::ReadPersonalData()));
      }
      break;
    default:
      break;
  }
}

// The entry fields' notifications: results that no longer match their
// entries come down, and the prompt follows the clerk from one calculator to
// the other.
void OnFieldNotification(HWND window, int field, int code) {
  WeightControlWindow& w = Window();
  const shell::AppState& app = shell::App();
  shell::RequestList requests;
  switch (code) {
    case EN_CHANGE: {
      const ChangeBy by = app.rewriting         ? ChangeBy::Rewrite
                          : app.keepingMaleOnly ? ChangeBy::KeepMaleOnly
                                                : ChangeBy::Clerk;
      FieldChanged(w.state, field, by, requests);
      break;
    }
    case EN_SETFOCUS:
      FieldFocused(w.state, w.lastFieldLeft, field, app.movingFocus, requests);
      break;
    case EN_KILLFOCUS:
      w.lastFieldLeft = field;
      return;
    default:
      return;
  }
  shell::Replay(window, requests);
}

}  // namespace

WeightControlWindow& Window() {
  static WeightControlWindow window;
  return window;
}

void CarryOutProgramRequest(HWND window, const shell::Request& request) {
  if (request.target == kRedrawSexFrame) {
    shell::DrawFieldFrame(SexFieldFrame(shell::App().grid), window);
  } else {
    ApplyToState(Window().state, request);
  }
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  static const shell::WindowHandlers handlers = {
      &OnCreate, &OnPaint, &OnFieldNotification, &OnCommand, nullptr,
  };
  return shell::DispatchMainWindow(window, message, wParam, lParam, handlers);
}

}  // namespace heftrak
