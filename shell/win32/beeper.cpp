#include "shell/win32/beeper.h"

#include <windows.h>

#include "shell/win32/observer.h"

namespace shell {

namespace {

BOOL beeperAtStart = TRUE;

// Never written to the user profile: the change lasts only while we run.
void SetBeeper(BOOL on) {
  SystemParametersInfoA(SPI_SETBEEP, on ? 1u : 0u, nullptr, 0);
}

}  // namespace

void SaveBeeperSetting() {
  BOOL on = TRUE;
  if (SystemParametersInfoA(SPI_GETBEEP, 0, &on, 0) != 0) {
    beeperAtStart = on;
  }
}

void RestoreBeeperSetting() {
  SetBeeper(beeperAtStart);
}

void BeeperOff() {
  SetBeeper(FALSE);
}

void Alert() {
  SetBeeper(TRUE);
  MessageBeep(0);
  SetBeeper(FALSE);
  if (const Observer* observer = Listener(); observer != nullptr && observer->alerted) {
    observer->alerted();
  }
}

}  // namespace shell
