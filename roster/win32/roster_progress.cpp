#include "roster/win32/roster_progress.h"

#include <commctrl.h>

#include "roster/core/dialog_layout.h"
#include "roster/win32/late_calls.h"
#include "roster/win32/roster_session.h"
#include "roster/win32/text.h"
#include "shell/win32/app.h"
#include "shell/win32/gdi.h"

namespace roster {

namespace {

void Place(HWND control, const shell::Box& box) {
  MoveWindow(control, box.left, box.top, box.width, box.height, TRUE);
}

// Places the controls for a text of `rows` rows; the rows the text box has
// already are never given up, so the dialog does not jump from one text to
// the next.
void LayOut(HWND dialog, int rows) {
  HWND status = GetDlgItem(dialog, kRosterStatusId);
  RECT box{};
  GetClientRect(status, &box);
  if (rows * shell::App().grid.Y <= box.bottom) {
    return;
  }
  const RosterProgressLayout layout = LayoutRosterProgress(shell::App().grid, rows);
  Place(status, layout.status);
  Place(GetDlgItem(dialog, kRosterProgressId), layout.progress);
  const shell::ButtonPlace& cancel = layout.cancel;
  Place(GetDlgItem(dialog, kRosterCloseId), {cancel.left, cancel.top, cancel.width, cancel.height});
  shell::SizeClientArea(dialog, layout.client);
}

}  // namespace

void CreateProgressControls(HWND dialog, int range) {
  const RosterProgressLayout layout = LayoutRosterProgress(shell::App().grid);
  shell::SizeClientArea(dialog, layout.client);
  CreateRosterControl(dialog, L"STATIC", SS_LEFT | SS_NOPREFIX, layout.status, kRosterStatusId);
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_PROGRESS_CLASS};
  late::InitCommonControlsEx(&controls);
  CreateRosterControl(dialog, PROGRESS_CLASSW, WS_BORDER, layout.progress, kRosterProgressId);
  SendDlgItemMessageA(dialog, kRosterProgressId, PBM_SETRANGE32, 0, range);
  SetFocus(shell::CreateButton(dialog, layout.cancel, WS_TABSTOP));
}

void SetProgressText(HWND dialog, const std::string& text) {
  HWND status = GetDlgItem(dialog, kRosterStatusId);
  RECT box{};
  GetClientRect(status, &box);
  std::vector<std::string> rows;
  {
    const shell::WindowDC dc(status);
    const shell::Selection font(dc.get(),
                                reinterpret_cast<HGDIOBJ>(SendMessageW(status, WM_GETFONT, 0, 0)));
    rows = StatusRows(text, [&](std::string_view row) {
      const std::wstring wide = DisplayText(row);
      SIZE size{};
      GetTextExtentPoint32W(dc.get(), wide.c_str(), static_cast<int>(wide.size()), &size);
      return size.cx <= box.right;
    });
  }
  LayOut(dialog, static_cast<int>(rows.size()));
  std::string shown;
  for (const std::string& row : rows) {
    shown += (shown.empty() ? "" : "\r\n") + row;
  }
  SetWindowTextW(status, DisplayText(shown).c_str());
}

void SetProgressPosition(HWND dialog, int position) {
  SendDlgItemMessageA(dialog, kRosterProgressId, PBM_SETPOS, static_cast<WPARAM>(position), 0);
}

bool HandlePending(HWND dialog) {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));
      return false;
    }
    if (IsDialogMessageA(dialog, &message) == FALSE) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
  }
  return true;
}

}  // namespace roster
