#include "heftrak/win32/main_window.h"

#include "heftrak/win32/heftrak_ids.h"
#include "shell/win32/app.h"
#include "shell/win32/frame.h"

namespace heftrak {

namespace {

void OnCreate(HWND window) {
  WeightControlWindow& w = Window();
  w = WeightControlWindow{};
  shell::AddAboutEntry(window);
}

void OnFieldNotification(int field, int code) {
  if (field < 0 || field >= kMainFieldCount) {
    return;
  }
  if (code == EN_SETFOCUS || code == EN_CHANGE) {
    Window().focusTarget = static_cast<FieldId>(field);
  }
}

void OnPaint(HWND window) {
  PAINTSTRUCT paint;
  BeginPaint(window, &paint);
  EndPaint(window, &paint);
}

}  // namespace

WeightControlWindow& Window() {
  static WeightControlWindow window;
  return window;
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      OnCreate(window);
      return 0;
    case WM_PAINT:
      OnPaint(window);
      return 0;
    case WM_SETFOCUS:
      shell::MainWindowFocused(shell::App().fields.At(Window().focusTarget));
      return 0;
    case WM_DESTROY:
      shell::MainWindowDestroyed();
      return 0;
    case WM_SYSCOMMAND:
      if (shell::HandleAboutCommand(window, wParam)) {
        return 0;
      }
      break;
    case WM_COMMAND:
      if (lParam != 0) {
        OnFieldNotification(LOWORD(wParam), HIWORD(wParam));
      }
      return 0;
    default:
      break;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace heftrak
