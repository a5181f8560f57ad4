#include "shell/win32/frame.h"

#include "shell/resources/shell_resources.h"
#include "shell/win32/about.h"
#include "shell/win32/beeper.h"

namespace shell {

void AddAboutEntry(HWND window) {
  HMENU systemMenu = GetSystemMenu(window, FALSE);
  AppendMenuA(systemMenu, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(systemMenu, MF_STRING, IDM_ABOUT, "&About...");
}

bool HandleAboutCommand(HWND window, WPARAM command) {
  if (LOWORD(command) != IDM_ABOUT) {
    return false;
  }
  ShowAbout(window);
  return true;
}

void MainWindowFocused(HWND field) {
  BeeperOff();
  if (field != nullptr) {
    SetFocus(field);
  }
}

void MainWindowDestroyed() {
  RestoreBeeperSetting();
  PostQuitMessage(0);
}

}  // namespace shell
