// Driving a real program window from a test: the program runs in the test
// process, and every message goes through the program's own loop
// (accelerators first), exactly as in the running program.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <cstddef>
#include <cstring>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "shell/win32/app.h"
#include "shell/win32/clipboard.h"

namespace harness {

// Starts a program in this process, its window shown, as WinMain would.
inline void Pump();
inline void StartProgram(const shell::ProgramDescription& program) {
  ASSERT_TRUE(shell::StartProgram(GetModuleHandleA(nullptr), SW_SHOW, program));
  Pump();
}

// Closes the program's window and releases what start-up loaded.
inline void StopProgram();

// A suite whose every test starts with the program freshly opened, as the
// clerk finds it, so no test depends on what an earlier one left behind.
template <const shell::ProgramDescription& (*ProgramOf)()>
class ProgramSuite : public ::testing::Test {
 protected:
  void SetUp() override { StartProgram(ProgramOf()); }
  void TearDown() override { StopProgram(); }
  // The program closed and opened again, for the next case of a table.
  static void Reopen() {
    StopProgram();
    StartProgram(ProgramOf());
  }
};

// Handles every pending message through the program's message handling.
inline void Pump() {
  MSG message;
  for (int i = 0; i < 10000 && PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE); ++i) {
    if (message.message == WM_QUIT) {
      return;  // the window is gone; the test decides what comes next
    }
    shell::HandleMessage(message);
  }
}

inline void StopProgram() {
  DestroyWindow(shell::App().mainWindow);
  Pump();
  shell::FinishProgram();
}

// Sets or clears the Shift and Alt state that the key handlers read.
inline void SetModifiers(bool shift, bool alt = false) {
  BYTE keys[256];
  GetKeyboardState(keys);
  keys[VK_SHIFT] = shift ? 0x80 : 0;
  keys[VK_MENU] = alt ? 0x80 : 0;
  SetKeyboardState(keys);
}

// A key pressed and released in the window that has the focus. The loop
// translates it, so Enter, Tab and Backspace also arrive as characters.
inline void Press(UINT key, bool shift = false) {
  SetModifiers(shift);
  HWND focus = GetFocus();
  PostMessageA(focus, WM_KEYDOWN, key, 1);
  Pump();
  PostMessageA(GetFocus(), WM_KEYUP, key, static_cast<LPARAM>(0xC0000001));
  Pump();
  SetModifiers(false);
}

// Alt+letter as the keyboard gives it: a system character with Alt held, so
// the program's accelerator table sees it first.
inline void PressAlt(char letter) {
  SetModifiers(false, true);
  PostMessageA(GetFocus(), WM_SYSCHAR, static_cast<unsigned char>(letter),
               static_cast<LPARAM>(1 | (1 << 29)));
  Pump();
  SetModifiers(false);
}

// Characters typed one by one into whichever field has the focus.
inline void Type(const char* text) {
  for (const char* c = text; *c != '\0'; ++c) {
    PostMessageA(GetFocus(), WM_CHAR, static_cast<unsigned char>(*c), 1);
    Pump();
  }
}

inline std::string TextOf(HWND window) {
  char text[256] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

inline int FocusedId() {
  HWND focus = GetFocus();
  return focus == nullptr ? -1 : GetDlgCtrlID(focus);
}

// The caret's character position in a field.
inline int Caret(HWND field) {
  DWORD start = 0;
  DWORD end = 0;
  SendMessageA(field, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return static_cast<int>(end);
}

// A child's rectangle in its parent's client coordinates.
inline RECT PlaceOf(HWND child) {
  RECT rect;
  GetWindowRect(child, &rect);
  MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

// Puts the focus into a field with the caret at its end.
inline void FocusField(int id) {
  HWND field = shell::App().fields.At(id);
  SetFocus(field);
  const int length = GetWindowTextLengthA(field);
  SendMessageA(field, EM_SETSEL, static_cast<WPARAM>(length), length);
  Pump();
}

// Puts the focus into a field with all its text selected, so what is typed
// next replaces it.
inline void SelectField(int id) {
  HWND field = shell::App().fields.At(id);
  SetFocus(field);
  SendMessageA(field, EM_SETSEL, 0, -1);
  Pump();
}

// A key pressed in a field, and the field that has the focus after it.
struct KeyMove {
  const char* name;
  int from;
  UINT key;
  bool shift;
  int to;
};

inline void ExpectKeyMoves(std::span<const KeyMove> moves) {
  for (const KeyMove& m : moves) {
    FocusField(m.from);
    Press(m.key, m.shift);
    EXPECT_EQ(FocusedId(), m.to) << m.name;
  }
}

// The clipboard's text ("" when it holds none).
inline std::string ClipboardText() {
  std::string text;
  shell::ReadClipboardText(nullptr, text);
  return text;
}

// Puts text on the clipboard as a user's copy elsewhere would.
inline void PutOnClipboard(const char* text) {
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  const std::size_t size = std::strlen(text) + 1;
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
  std::memcpy(GlobalLock(memory), text, size);
  GlobalUnlock(memory);
  SetClipboardData(CF_TEXT, memory);
  CloseClipboard();
}

// Sets the system's default printer; returns the entry it replaced.
inline std::string SetDefaultPrinter(const std::string& entry) {
  char saved[80];
  GetProfileStringA("windows", "device", ",,,", saved, sizeof saved);
  WriteProfileStringA("windows", "device", entry.c_str());
  return saved;
}

// A true-colour bitmap in a memory device context, filled with a brush (not
// taken over) or a colour. Nothing can be read back from a window's pixels on
// a display-less Wine, so painting code is tested by drawing here.
class Canvas {
 public:
  Canvas(int width, int height, HBRUSH fill) : Canvas(width, height) { Fill(fill); }
  Canvas(int width, int height, COLORREF fill) : Canvas(width, height) {
    HBRUSH brush = CreateSolidBrush(fill);
    Fill(brush);
    DeleteObject(brush);
  }
  ~Canvas() {
    SelectObject(dc_, previous_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  HDC dc() const { return dc_; }
  COLORREF At(int x, int y) const { return GetPixel(dc_, x, y); }
  int width() const { return width_; }
  int height() const { return height_; }

 private:
  Canvas(int width, int height) : width_(width), height_(height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    dc_ = CreateCompatibleDC(nullptr);
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    previous_ = SelectObject(dc_, bitmap_);
  }
  void Fill(HBRUSH brush) {
    RECT all{0, 0, width_, height_};
    FillRect(dc_, &all, brush);
  }

  int width_;
  int height_;
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ previous_ = nullptr;
};

// The dialog the clerk can use now: of a modal chain only the last is
// enabled. Not the active window: a program the shell started (for Open
// Results, say) may have taken the activation.
inline BOOL CALLBACK FindUsableDialog(HWND window, LPARAM result) {
  char kind[16] = {};
  GetClassNameA(window, kind, sizeof kind);
  if (IsWindowVisible(window) && IsWindowEnabled(window) && std::string_view(kind) == "#32770") {
    *reinterpret_cast<HWND*>(result) = window;
    return FALSE;
  }
  return TRUE;
}
inline HWND CurrentDialog() {
  HWND found = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), &FindUsableDialog, reinterpret_cast<LPARAM>(&found));
  return found;
}

// Called with the open dialog at every tick until it returns true.
using DialogStep = std::function<bool(HWND dialog)>;

struct DialogScript {
  static inline std::vector<DialogStep>* steps = nullptr;
  static inline std::size_t next = 0;
  static inline int ticksLeft = 0;
  static inline bool busy = false;  // a step may pump messages, ticks included
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    if (busy || steps == nullptr) {
      return;
    }
    HWND active = CurrentDialog();
    if (active == nullptr) {
      --ticksLeft;
      return;
    }
    busy = true;
    if (--ticksLeft < 0) {
      // Given up: close whatever is open rather than hang the run (some
      // dialogs answer no Escape).
      EndDialog(active, IDCANCEL);
    } else if (next < steps->size() && (*steps)[next](active)) {
      ++next;
    }
    busy = false;
  }
};

// Runs `start`, which opens the first modal dialog, and, from inside the
// dialogs' own message loops, the steps in turn, each every few milliseconds
// until it returns true; true when every step was taken within `seconds`.
inline bool RunDialogs(const std::function<void()>& start, std::vector<DialogStep> steps,
                       int seconds = 60) {
  DialogScript::steps = &steps;
  DialogScript::next = 0;
  DialogScript::ticksLeft = seconds * 50;
  const UINT_PTR timer = SetTimer(nullptr, 0, 20, &DialogScript::Tick);
  start();
  KillTimer(nullptr, timer);
  DialogScript::steps = nullptr;
  return DialogScript::next == steps.size();
}

// Runs `action` (which opens a modal dialog) and calls `inside` with the
// dialog until it returns true, giving up after four seconds.
template <typename Action, typename Inside>
void WithModalDialog(Action action, Inside inside) {
  RunDialogs(action, {inside}, 4);
}

}  // namespace harness
