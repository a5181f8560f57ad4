// The yardstick for the programs' start-up: a bare Win32 window, built as
// the programs are (a class, a window, a message loop, and nothing else).
// Built with BARE_WITH_CHILDREN, the same window is given the main window's
// child windows and nothing else: HEFTRAK's sixty edit controls (nineteen
// multi-line, right-aligned) and its seven push buttons, created as the
// program creates them but without their limits, procedures or texts. What
// HEFTRAK takes beyond that is its own.
#include <windows.h>

namespace {

LRESULT CALLBACK BareProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

#ifdef BARE_WITH_CHILDREN
constexpr int kButtons = 7;
constexpr int kEdits = 60;
constexpr int kMultiLineEdits = 19;

void CreateChildren(HWND window, HINSTANCE instance) {
  for (int k = 0; k < kButtons; ++k) {
    CreateWindowExA(0, "button", "Button", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10 + 88 * k, 420,
                    80, 28, window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(100 + k)),
                    instance, nullptr);
  }
  for (int k = 0; k < kEdits; ++k) {
    const DWORD style = k < kMultiLineEdits ? WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_RIGHT
                                            : WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL;
    CreateWindowExA(0, "edit", "", style, 10 + (k % 6) * 100, 10 + (k / 6) * 36, 80, 16, window,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(k)), instance, nullptr);
  }
}
#endif

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = &BareProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
  windowClass.lpszClassName = "Bare";
  if (RegisterClassA(&windowClass) == 0) {
    return 1;
  }
  HWND window = CreateWindowExA(0, "Bare", "Bare", WS_OVERLAPPED | WS_SYSMENU | WS_MINIMIZEBOX, 10,
                                10, 640, 480, nullptr, nullptr, instance, nullptr);
  if (window == nullptr) {
    return 1;
  }
#ifdef BARE_WITH_CHILDREN
  CreateChildren(window, instance);
#endif
  ShowWindow(window, show);
  UpdateWindow(window);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return static_cast<int>(message.wParam);
}
