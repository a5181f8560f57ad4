#include "heftrak/win32/main_window.h"

#include "heftrak/core/window_layout.h"
#include "heftrak/win32/heftrak_ids.h"
#include "heftrak/win32/window_parts.h"
#include "shell/win32/app.h"
#include "shell/win32/frame.h"

namespace heftrak {

namespace {

void CreateButtons(HWND window) {
  const shell::AppState& app = shell::App();
  for (const ButtonPlace& b : LayoutFor(app.grid).buttons) {
    const DWORD style = WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON | (b.enabled ? 0u : WS_DISABLED);
    CreateWindowExA(0, "button", b.caption, style, b.left, b.top, b.width, b.height, window,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(b.command)), app.instance,
                    nullptr);
  }
}

void OnCreate(HWND window) {
  WeightControlWindow& w = Window();
  w = WeightControlWindow{};
  // Panels and frames are drawn with the window's own device context at any
  // moment; clipping the children keeps them from painting over the fields.
  SetWindowLongA(window, GWL_STYLE, GetWindowLongA(window, GWL_STYLE) | WS_CLIPCHILDREN);
  CreateButtons(window);
  MeasureMaleOnly(window);
  shell::AddAboutEntry(window);
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
    case WM_LBUTTONDOWN:
      // Client coordinates, signed.
      OnLeftButtonDown(window, static_cast<short>(LOWORD(lParam)),
                       static_cast<short>(HIWORD(lParam)));
      return 0;
    case WM_COMMAND:
      if (lParam != 0 && LOWORD(wParam) < kMainFieldCount) {
        OnFieldNotification(window, LOWORD(wParam), HIWORD(wParam));
      } else if (lParam == 0 || HIWORD(wParam) == BN_CLICKED) {
        OnCommand(window, LOWORD(wParam), lParam);
      }
      return 0;
    default:
      break;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace heftrak
