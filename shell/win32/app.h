// The frame both programs share: start-up in a fixed order, the message loop
// with the accelerators first, and the process-wide state every window reads.
#pragma once

#include <windows.h>

#include <array>
#include <vector>

#include "shell/core/field_model.h"
#include "shell/core/layout_grid.h"
#include "shell/core/navigation.h"
#include "shell/core/requests.h"

namespace shell {

inline constexpr int kMaxFieldSlots = 72;

// The entry fields by identifier, with each field's own window procedure so
// EditProc can hand messages on.
struct FieldTable {
  std::array<HWND, kMaxFieldSlots> windows{};
  std::array<WNDPROC, kMaxFieldSlots> procs{};
  int slots = 0;
  HWND At(int id) const {
    return id >= 0 && id < slots ? windows[static_cast<std::size_t>(id)] : nullptr;
  }
};

struct ProgramView;

// What makes one program of the two.
struct ProgramDescription {
  const char* caption;       // of the main window
  const char* aboutTitle;    // first line of the About box
  const char* accelerators;  // accelerator table resource
  WNDPROC windowProc;
  int windowExtraBytes;
  Size (*windowSize)(const LayoutGrid&);
  std::vector<FieldPlacement> (*fieldPlacements)(const LayoutGrid&);
  const NavigationRules* navigation;
  // How the window carries out the requests only it knows how to draw.
  const ProgramView* view;
  int printButton;  // the Print button's command, which requests enable
  // The core's model of the window's fields, and what the core decides for
  // one of the window's commands (nothing for one it leaves to the window).
  FieldModel& (*fields)();
  RequestList (*command)(int command);
  // What a click on "Male Only" (or Backspace in Sex while it is on) runs,
  // and whether the option is on (EditProc asks).
  int maleOnlyCommand;
  bool (*maleOnly)();
  // The list Page Up and Page Down in a field scroll (nullptr: none).
  HWND (*pagedList)();
};

struct AppState {
  HINSTANCE instance = nullptr;
  LayoutGrid grid;
  // Loaded at their first use (see DotBitmap), released by FinishProgram.
  HBITMAP dot11 = nullptr;
  HBITMAP dot22 = nullptr;
  HBITMAP logo = nullptr;
  HACCEL accelerators = nullptr;
  HWND mainWindow = nullptr;
  FieldTable fields;
  const ProgramDescription* program = nullptr;
  // Raised while the window carries out a list: what its own writes and
  // focus moves make the fields report is in the list already.
  bool carryingOut = false;
};

AppState& App();

// The program's bitmaps: the one- and two-pixel dots the frames and crosses
// are drawn with, and the About box's logo. Only painting uses them, so they
// are loaded at their first use, after the window has shown.
HBITMAP Dot11Bitmap();
HBITMAP Dot22Bitmap();
HBITMAP LogoBitmap();

// Start-up up to the shown main window: grid, accelerators, class, main
// window, entry fields, show. False when the window could not be made.
bool StartProgram(HINSTANCE instance, int show, const ProgramDescription& program);

// Offers one message to the accelerators, then translates and dispatches it.
void HandleMessage(MSG& message);

// Runs until the quit message; returns its exit code.
int RunMessageLoop();

// Releases what start-up loaded.
void FinishProgram();

// The whole life of a program, for WinMain.
int RunProgram(HINSTANCE instance, int show, const ProgramDescription& program);

// Creates a push button of a window or dialog.
HWND CreateButton(HWND parent, const ButtonPlace& button, DWORD extraStyle = 0);

// Creates one entry field as StartProgram does (dialogs use it for theirs):
// records it in the field table and puts EditProc in front of it.
// `extraStyle` adds window styles (a dialog's tab stops, upper case).
HWND CreateEntryField(HWND parent, const FieldPlacement& placement, DWORD extraStyle = 0);

// Gives a window (a dialog whose procedure lays out its own controls) a
// client area of `client`, its frame around it, where it stands.
void SizeClientArea(HWND window, const Size& client);

}  // namespace shell
