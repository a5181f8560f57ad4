#include "shell/win32/frame.h"

#include <windowsx.h>

#include "shell/resources/shell_resources.h"
#include "shell/win32/about.h"
#include "shell/win32/app.h"
#include "shell/win32/beeper.h"
#include "shell/win32/male_only.h"

namespace shell {

void AddAboutEntry(HWND window) {
  HMENU systemMenu = GetSystemMenu(window, FALSE);
  AppendMenuA(systemMenu, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(systemMenu, MF_STRING, IDM_ABOUT, "&About...");
}

bool HandleFrameMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  AppState& app = App();
  switch (message) {
    case WM_SETFOCUS:
      // Fields that refuse a key stay silent while the window has the focus.
      BeeperOff();
      if (HWND field = app.fields.At(app.program->focusTarget())) {
        SetFocus(field);
      }
      return true;
    case WM_DESTROY:
      RestoreBeeperSetting();
      PostQuitMessage(0);
      return true;
    case WM_SYSCOMMAND:
      if (LOWORD(wParam) != IDM_ABOUT) {
        return false;
      }
      ShowAbout(window);
      return true;
    case WM_LBUTTONDOWN:
      // EditProc's click (Backspace in Sex while the option is on) is a
      // forced toggle, wherever it says it landed.
      if (app.syntheticClick || InsideMaleOnly(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam))) {
        app.program->toggleMaleOnly(window);
      }
      return true;
    default:
      return false;
  }
}

}  // namespace shell
