// VORNA's real window in the test process, and what the tests read back
// from it: field texts, focus, the state, and the window painted into a
// bitmap through its own paint code (no pixels can be read from a window on
// a display-less Wine).
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "shell/tests/win32_harness.h"
#include "shell/win32/observer.h"
#include "vorna/core/fields.h"
#include "vorna/resources/vorna_ids.h"
#include "vorna/win32/main_window.h"
#include "vorna/win32/program.h"

namespace vorna {

inline HWND Field(int id) {
  return shell::App().fields.At(id);
}

inline HWND Control(int id) {
  return GetDlgItem(shell::App().mainWindow, id);
}

inline bool PrintEnabled() {
  return IsWindowEnabled(Control(kPrintCommand)) != FALSE;
}

// Types each given text into its field over what it held; nullptr leaves a
// field alone.
inline void Enter(const char* age, const char* sex, const char* pushups, const char* situps,
                  const char* minutes, const char* seconds) {
  const char* texts[kEntryFieldCount] = {age, sex, pushups, situps, minutes, seconds};
  for (int id = 0; id < kEntryFieldCount; ++id) {
    if (texts[id] != nullptr) {
      harness::SelectField(id);
      harness::Type(texts[id]);
    }
  }
}

// The text shown in result box `box` ("" when none).
inline std::string ShownText(int box) {
  const TestState& s = Window().model.state;
  switch (box) {
    case 3:
      return s.totalText.c_str();
    case 4:
      return s.scaledText.c_str();
    default:
      return s.events[static_cast<std::size_t>(box)].pointsText.c_str();
  }
}

// The window's client area painted by the window itself (WM_PRINTCLIENT)
// into a true-colour bitmap.
class Snapshot : public harness::Canvas {
 public:
  Snapshot() : Snapshot(ClientArea()) {}

  // How many pixels of `colour` lie in [left, right) x [top, bottom).
  int Count(int left, int top, int right, int bottom, COLORREF colour) const {
    int n = 0;
    for (int y = top; y < bottom; ++y) {
      for (int x = left; x < right; ++x) {
        n += At(x, y) == colour ? 1 : 0;
      }
    }
    return n;
  }

  // The colours of the pixels in a rectangle other than `background`.
  std::vector<COLORREF> Inks(int left, int top, int right, int bottom, COLORREF background) const {
    std::vector<COLORREF> inks;
    for (int y = top; y < bottom; ++y) {
      for (int x = left; x < right; ++x) {
        const COLORREF c = At(x, y);
        if (c != background && std::find(inks.begin(), inks.end(), c) == inks.end()) {
          inks.push_back(c);
        }
      }
    }
    return inks;
  }

 private:
  static RECT ClientArea() {
    RECT client;
    GetClientRect(shell::App().mainWindow, &client);
    return client;
  }
  // Starts from the class background, as erasing would leave it.
  explicit Snapshot(RECT client)
      : harness::Canvas(client.right, client.bottom,
                        static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH))) {
    SendMessageA(shell::App().mainWindow, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc()),
                 PRF_CLIENT);
  }
};

// A snapshot that goes on receiving whatever the window draws on itself
// outside a repaint, for as long as it lives: what the screen would show.
class MirroredScreen : public Snapshot {
 public:
  MirroredScreen() {
    observer_.mirror = dc();
    shell::Observe(&observer_);
  }
  ~MirroredScreen() { shell::Observe(nullptr); }
  MirroredScreen(const MirroredScreen&) = delete;
  MirroredScreen& operator=(const MirroredScreen&) = delete;

 private:
  shell::Observer observer_;
};

// Every test begins with the program freshly opened: nothing entered, Male
// Only off, the caret in Sex.
using VornaWindow = harness::ProgramSuite<&Program>;

}  // namespace vorna
