// The system's warning beeper. It is kept off while a main window has the
// focus, so fields that refuse a key stay silent, and sounds only for the
// program's own alert.
#pragma once

namespace shell {

// Remembers the user's setting at start-up.
void SaveBeeperSetting();
// Puts the user's setting back (at exit): a user who had the beeper off must
// not find it switched on.
void RestoreBeeperSetting();

void BeeperOff();

// The alert: beeper on, the default message beep, beeper off again.
void Alert();

}  // namespace shell
