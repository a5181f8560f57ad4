#include "shell/win32/print_dialog.h"

#include <ctime>

#include "shell/core/print_setup.h"
#include "shell/resources/shell_resources.h"
#include "shell/win32/app.h"
#include "shell/win32/drawing.h"
#include "shell/win32/edit_proc.h"
#include "shell/win32/fields.h"
#include "shell/win32/gdi.h"
#include "shell/win32/text.h"

namespace {

struct DialogState {
  HWND window = nullptr;
  shell::PrintDialogIds ids{};
};

DialogState& State() {
  static DialogState state;
  return state;
}

void CreateRankBox(HWND dialog, const shell::Box& box, int maxChars) {
  HWND rank = CreateWindowExA(
      0, "combobox", "",
      WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | WS_BORDER | CBS_DROPDOWN | CBS_UPPERCASE,
      box.left, box.top, box.width, box.height, dialog,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(shell::kRankBoxId)), shell::App().instance,
      nullptr);
  for (const char* entry : shell::kRankTable) {
    SendMessageA(rank, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry));
  }
  // Like every other field: no more than the report prints, and a paste too
  // long for that refused whole (the edit control would trim it a character
  // at a time, for minutes on a large one).
  SendMessageA(rank, CB_LIMITTEXT, static_cast<WPARAM>(maxChars), 0);
  shell::FilterComboEdit(rank);
}

// Today's date, once, when the dialog opens: a date the user types stays as
// typed, however often the dialog is repainted.
void SetDefaultDate(HWND dateField) {
  const std::time_t now = std::time(nullptr);
  const std::tm* local = std::localtime(&now);
  if (local != nullptr) {
    shell::SetFieldText(dateField, shell::DefaultDate(*local).c_str());
  }
}

void OnInitDialog(HWND dialog, const shell::PrintDialogIds& ids) {
  State() = {dialog, ids};
  const shell::PrintDialogLayout layout = shell::LayoutPrintDialog(shell::App().grid, ids);
  shell::CreateButton(dialog, layout.printButton);
  shell::CreateButton(dialog, layout.exitButton);
  HWND last = shell::CreateEntryField(dialog, layout.lastName, WS_TABSTOP);
  shell::CreateEntryField(dialog, layout.firstName, WS_TABSTOP);
  shell::CreateEntryField(dialog, layout.middleInitial, WS_TABSTOP | ES_UPPERCASE);
  // Only the first SSN part is a tab stop; typing or the arrows reach the others.
  shell::CreateEntryField(dialog, layout.ssn[0], WS_TABSTOP);
  shell::CreateEntryField(dialog, layout.ssn[1]);
  shell::CreateEntryField(dialog, layout.ssn[2]);
  CreateRankBox(dialog, layout.rankBox, shell::PrintDialogFieldChars(ids, shell::kRankBoxId));
  SetDefaultDate(shell::CreateEntryField(dialog, layout.date, WS_TABSTOP));
  SetFocus(last);
}

void OnPaint(HWND dialog) {
  const shell::PrintDialogLayout layout = shell::LayoutPrintDialog(shell::App().grid, State().ids);
  InvalidateRect(dialog, nullptr, TRUE);
  shell::PaintDC paint(dialog);
  if (!paint) {
    return;
  }
  HDC dc = paint.get();
  for (const shell::Label& label : layout.labels) {
    shell::TextAt(dc, label);
  }
  for (const shell::Stack& frame : layout.frames) {
    shell::DrawFieldFrame(frame, dialog);
  }
  for (const shell::Label& slash : layout.slashes) {
    shell::TextAt(dc, slash);
  }
}

void OnPrintButton(HWND dialog) {
  // The main window prints inside this call, reading the fields of this
  // still open dialog; then the user can go on with the next soldier.
  SendMessageA(GetWindow(dialog, GW_OWNER), WM_COMMAND, IDM_PRINT_REPORT, 0);
  SetFocus(GetDlgItem(dialog, State().ids.lastName));
}

std::string ReadPersonalField(HWND dialog, int id) {
  char text[shell::kPersonalFieldChars + 1];
  shell::ReadFieldText(GetDlgItem(dialog, id), text, sizeof text);
  return text;
}

}  // namespace

INT_PTR CALLBACK PrintProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      OnInitDialog(dialog, *reinterpret_cast<const shell::PrintDialogIds*>(lParam));
      return FALSE;  // the focus is set already
    case WM_PAINT:
      OnPaint(dialog);
      return TRUE;
    case WM_COMMAND:
      // Enter (IDOK) and Escape (IDCANCEL) are deliberately left unanswered.
      if (LOWORD(wParam) == shell::kPrintButtonId && lParam != 0) {
        OnPrintButton(dialog);
        return TRUE;
      }
      if (LOWORD(wParam) == shell::kExitButtonId) {
        EndDialog(dialog, 0);
        return TRUE;
      }
      return FALSE;
    case WM_DESTROY:
      State().window = nullptr;
      return FALSE;
    default:
      return FALSE;
  }
}

namespace shell {

void ShowPrintDialog(HWND owner, const PrintDialogIds& ids) {
  DialogBoxParamA(App().instance, RES_DIALOG_PRINT, owner, &PrintProc,
                  reinterpret_cast<LPARAM>(&ids));
}

PersonalData ReadPersonalData() {
  PersonalData person;
  HWND dialog = State().window;
  if (dialog == nullptr) {
    return person;
  }
  const PrintDialogIds& ids = State().ids;
  person.lastName = ReadPersonalField(dialog, ids.lastName);
  person.firstName = ReadPersonalField(dialog, ids.firstName);
  person.middleInitial = ReadPersonalField(dialog, ids.middleInitial);
  person.rank = ReadPersonalField(dialog, kRankBoxId);
  for (int part = 0; part < 3; ++part) {
    person.ssn[part] = ReadPersonalField(dialog, ids.ssn[part]);
  }
  person.date = ReadPersonalField(dialog, ids.date);
  return person;
}

}  // namespace shell
