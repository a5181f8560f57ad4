#include "shell/win32/app.h"

#include "shell/resources/shell_resources.h"
#include "shell/win32/beeper.h"
#include "shell/win32/edit_proc.h"

namespace shell {

AppState& App() {
  static AppState state;
  return state;
}

namespace {

HBITMAP LoadedBitmap(HBITMAP& slot, const char* resource) {
  if (slot == nullptr) {
    slot = LoadBitmapA(App().instance, resource);
  }
  return slot;
}

}  // namespace

HBITMAP Dot11Bitmap() {
  return LoadedBitmap(App().dot11, RES_BITMAP_DOT11);
}

HBITMAP Dot22Bitmap() {
  return LoadedBitmap(App().dot22, RES_BITMAP_DOT22);
}

HBITMAP LogoBitmap() {
  return LoadedBitmap(App().logo, RES_BITMAP_QUENROW);
}

HWND CreateButton(HWND parent, const ButtonPlace& b, DWORD extraStyle) {
  const DWORD style =
      WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON | extraStyle | (b.enabled ? 0u : WS_DISABLED);
  return CreateWindowExA(0, "button", b.caption, style, b.left, b.top, b.width, b.height, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(b.command)), App().instance,
                         nullptr);
}

HWND CreateEntryField(HWND parent, const FieldPlacement& p, DWORD extraStyle) {
  AppState& app = App();
  DWORD style = WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL;
  if (p.rightAligned) {
    // Only multi-line edit controls align their text right.
    style = WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_RIGHT;
  }
  if (p.readOnly) {
    style |= ES_READONLY;
  }
  style |= extraStyle;
  HWND field =
      CreateWindowExA(0, "edit", "", style, p.left, p.top, p.width, p.height, parent,
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(p.id)), app.instance, nullptr);
  if (field != nullptr && p.maxChars > 0) {
    SendMessageA(field, EM_LIMITTEXT, static_cast<WPARAM>(p.maxChars), 0);
  }
  if (field != nullptr && p.id >= 0 && p.id < app.fields.slots) {
    const auto slot = static_cast<std::size_t>(p.id);
    app.fields.windows[slot] = field;
    app.fields.procs[slot] = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(field, GWLP_WNDPROC));
    SetWindowLongPtrA(field, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&EditProc));
  }
  return field;
}

void SizeClientArea(HWND window, const Size& client) {
  RECT frame{0, 0, client.width, client.height};
  AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongA(window, GWL_EXSTYLE)));
  SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool StartProgram(HINSTANCE instance, int show, const ProgramDescription& program) {
  AppState& app = App();
  app.instance = instance;
  app.program = &program;
  app.fields = FieldTable{};
  app.fields.slots = program.navigation->slots;
  SaveBeeperSetting();

  const LONG units = GetDialogBaseUnits();
  app.grid = GridFromBaseUnits(LOWORD(units), HIWORD(units));

  app.accelerators = LoadAcceleratorsA(instance, program.accelerators);

  WNDCLASSA windowClass{};
  windowClass.style = CS_DBLCLKS;
  windowClass.lpfnWndProc = program.windowProc;
  windowClass.cbWndExtra = program.windowExtraBytes;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadIconA(instance, RES_ICON_ARMY);
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
  windowClass.lpszClassName = "Win";
  // A second start in the same process (the tests) finds the class registered.
  if (RegisterClassA(&windowClass) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
    return false;
  }

  const Size size = program.windowSize(app.grid);
  // Panels and frames are drawn with the window's own device context at any
  // moment; clipping the children keeps that from painting over the fields.
  // Given at creation, it costs no style change of its own.
  app.mainWindow =
      CreateWindowExA(0, "Win", program.caption,
                      WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN,
                      10, 10, size.width, size.height, nullptr, nullptr, instance, nullptr);
  if (app.mainWindow == nullptr) {
    return false;
  }
  for (const FieldPlacement& placement : program.fieldPlacements(app.grid)) {
    CreateEntryField(app.mainWindow, placement);
  }
  ShowWindow(app.mainWindow, show);
  UpdateWindow(app.mainWindow);
  return true;
}

void HandleMessage(MSG& message) {
  AppState& app = App();
  if (app.accelerators != nullptr && app.mainWindow != nullptr &&
      TranslateAcceleratorA(app.mainWindow, app.accelerators, &message) != 0) {
    return;
  }
  TranslateMessage(&message);
  DispatchMessageA(&message);
}

int RunMessageLoop() {
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    HandleMessage(message);
  }
  return static_cast<int>(message.wParam);
}

void FinishProgram() {
  AppState& app = App();
  for (HBITMAP* bitmap : {&app.dot22, &app.dot11, &app.logo}) {
    if (*bitmap != nullptr) {
      DeleteObject(*bitmap);
      *bitmap = nullptr;
    }
  }
  app.mainWindow = nullptr;
}

int RunProgram(HINSTANCE instance, int show, const ProgramDescription& program) {
  if (!StartProgram(instance, show, program)) {
    RestoreBeeperSetting();
    FinishProgram();
    return 1;
  }
  const int exitCode = RunMessageLoop();
  FinishProgram();
  return exitCode;
}

}  // namespace shell
