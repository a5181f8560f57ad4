#include "shell/win32/frame.h"

#include <windowsx.h>

#include "shell/resources/shell_resources.h"
#include "shell/win32/about.h"
#include "shell/win32/app.h"
#include "shell/win32/beeper.h"
#include "shell/win32/male_only.h"
#include "shell/win32/replay.h"

namespace shell {

void AddAboutEntry(HWND window) {
  HMENU systemMenu = GetSystemMenu(window, FALSE);
  AppendMenuA(systemMenu, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(systemMenu, MF_STRING, IDM_ABOUT, "&About...");
}

namespace {

bool HandleFrameMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  AppState& app = App();
  switch (message) {
    case WM_SETFOCUS:
      // Fields that refuse a key stay silent while the window has the focus.
      BeeperOff();
      if (HWND field = app.fields.At(app.program->fields().focusTarget())) {
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
      if (InsideMaleOnly(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam))) {
        RunCommand(window, app.program->maleOnlyCommand);
      }
      return true;
    default:
      return false;
  }
}

void RouteCommand(HWND window, WPARAM wParam, LPARAM lParam, const WindowHandlers& handlers) {
  const int id = LOWORD(wParam);
  const int code = HIWORD(wParam);
  HWND control = reinterpret_cast<HWND>(lParam);
  if (control != nullptr && App().fields.At(id) == control) {
    FieldNotified(window, id, code);
  } else if (control == nullptr || code == BN_CLICKED) {
    handlers.command(window, id, control != nullptr);
  }
  // Other controls' notifications (a list's, say) need no answer.
}

}  // namespace

LRESULT DispatchMainWindow(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                           const WindowHandlers& handlers) {
  if (HandleFrameMessage(window, message, wParam, lParam)) {
    return 0;
  }
  switch (message) {
    case WM_CREATE:
      handlers.create(window);
      return 0;
    case WM_PAINT:
      handlers.paint(window);
      return 0;
    case WM_COMMAND:
      RouteCommand(window, wParam, lParam, handlers);
      return 0;
    default:
      if (handlers.other != nullptr && handlers.other(window, message, wParam, lParam)) {
        return 0;
      }
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

}  // namespace shell
