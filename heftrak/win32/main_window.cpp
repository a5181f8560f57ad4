#include "heftrak/win32/main_window.h"

#include "heftrak/core/reactions.h"
#include "heftrak/core/report.h"
#include "heftrak/core/window_layout.h"
#include "heftrak/resources/heftrak_ids.h"
#include "heftrak/roster/roster_program.h"
#include "heftrak/win32/charts.h"
#include "heftrak/win32/window_parts.h"
#include "roster/win32/roster_window.h"
#include "shell/win32/app.h"
#include "shell/win32/fields.h"
#include "shell/win32/frame.h"
#include "shell/win32/male_only.h"
#include "shell/win32/print_dialog.h"
#include "shell/win32/replay.h"
#include "shell/win32/report_page.h"

namespace heftrak {

namespace {

void OnCreate(HWND window) {
  WeightControlWindow& w = Window();
  w.model.Reset();
  w.message = kStartPrompt;
  const shell::LayoutGrid& g = shell::App().grid;
  for (const shell::ButtonPlace& button : LayoutFor(g).buttons) {
    shell::CreateButton(window, button);
  }
  const shell::Point box = MaleOnlyBox(g);
  shell::PlaceMaleOnly(window, box.x, box.y);
  shell::AddAboutEntry(window);
  roster::AddRosterEntry(window, RosterProgram());
}

void OpenCharts(HWND window, bool male) {
  char age[8] = {};
  shell::ReadFieldText(shell::App().fields.At(kAge), age, sizeof age);
  ShowCharts(window, male ? ChartSex::Male : ChartSex::Female, ChartAge(age));
}

// The dialogs and printing are the window's; every other command the core
// decides.
void OnCommand(HWND window, int command, bool fromControl) {
  switch (command) {
    case kPrintCommand:
      shell::ShowPrintDialog(window, kPrintDialogIds);
      break;
    case kMaleChartsCommand:
    case kFemaleChartsCommand:
      OpenCharts(window, command == kMaleChartsCommand);
      break;
    case IDM_PRINT_REPORT:
      // Only from the personal data dialog, which sends it without a control.
      if (!fromControl) {
        shell::PrintReport(BodyFatReport(Window().model.state, shell::ReadPersonalData()));
      }
      break;
    default:
      shell::RunCommand(window, command);
      break;
  }
}

// The system menu's Score a Roster.
bool OnOther(HWND window, UINT message, WPARAM wParam, LPARAM /*lParam*/) {
  return roster::AnswerRosterEntry(window, message, wParam);
}

}  // namespace

WeightControlWindow& Window() {
  static WeightControlWindow window;
  return window;
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  static const shell::WindowHandlers handlers = {
      &OnCreate,
      &OnPaint,
      &OnCommand,
      &OnOther,
  };
  return shell::DispatchMainWindow(window, message, wParam, lParam, handlers);
}

}  // namespace heftrak
