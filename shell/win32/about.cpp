#include "shell/win32/about.h"

#include <cstring>

#include "shell/resources/shell_resources.h"
#include "shell/win32/app.h"
#include "shell/win32/gdi.h"

namespace {

constexpr const char* kMakerAddress = CALC_MAKER_ADDRESS;

void CreateOkButton(HWND dialog) {
  const shell::LayoutGrid& g = shell::App().grid;
  CreateWindowExA(0, "button", "OK", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 6 * g.X,
                  14 * g.Y, 12 * g.X, 7 * g.QY, dialog,
                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_ABOUT_OK)),
                  shell::App().instance, nullptr);
}

void DrawCentred(HDC dc, int x, int y, const char* text) {
  TextOutA(dc, x, y, text, static_cast<int>(std::strlen(text)));
}

void PaintAbout(HWND dialog) {
  const shell::AppState& app = shell::App();
  const shell::LayoutGrid& g = app.grid;
  InvalidateRect(dialog, nullptr, TRUE);
  shell::PaintDC paint(dialog);
  if (!paint) {
    return;
  }
  HDC dc = paint.get();
  SetBkMode(dc, TRANSPARENT);
  if (HBITMAP logoBitmap = shell::LogoBitmap(); logoBitmap != nullptr) {
    BITMAP logo{};
    GetObjectA(logoBitmap, sizeof logo, &logo);
    shell::MemoryDC source(dc);
    if (source) {
      shell::Selection bitmap(source.get(), logoBitmap);
      BitBlt(dc, 5 * g.X + 3 * g.QX, 6 * g.Y, logo.bmWidth, logo.bmHeight, source.get(), 0, 0,
             SRCCOPY);
    }
  }
  {
    shell::OwnedObject<HPEN> pen(CreatePen(PS_SOLID, g.QY / 2, RGB(0, 0, 0)));
    shell::Selection selected(dc, pen.get());
    for (int y : {g.Y, 5 * g.Y}) {
      MoveToEx(dc, 6 * g.X + g.QX, y, nullptr);
      LineTo(dc, 18 * g.X + g.QX, y);
    }
  }
  const UINT alignment = SetTextAlign(dc, TA_CENTER);
  const char* title = app.program != nullptr ? app.program->aboutTitle : "";
  DrawCentred(dc, 12 * g.X, g.Y + 2 * g.QY, title);
  DrawCentred(dc, 12 * g.X, 2 * g.Y + 2 * g.QY, "Version " CALC_VERSION_TEXT);
  DrawCentred(dc, 12 * g.X, 11 * g.Y, kMakerAddress);
  SetTextAlign(dc, alignment);
}

}  // namespace

INT_PTR CALLBACK AboutProc(HWND dialog, UINT message, WPARAM wParam, LPARAM /*lParam*/) {
  switch (message) {
    case WM_INITDIALOG:
      CreateOkButton(dialog);
      return TRUE;
    case WM_PAINT:
      PaintAbout(dialog);
      return TRUE;
    case WM_COMMAND:
      // Only OK closes the box: Escape's IDCANCEL is left unanswered.
      if (LOWORD(wParam) == IDC_ABOUT_OK) {
        EndDialog(dialog, 0);
        return TRUE;
      }
      return FALSE;
    default:
      return FALSE;
  }
}

namespace shell {

void ShowAbout(HWND owner) {
  DialogBoxParamA(App().instance, RES_DIALOG_ABOUT, owner, &AboutProc, 0);
}

}  // namespace shell
