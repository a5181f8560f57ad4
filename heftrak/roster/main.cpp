// heftrak-roster: HEFTRAK over a whole roster file.
#include "heftrak/roster/roster_program.h"
#include "roster/console_main.h"

int main(int argc, char** argv) {
  return roster::ConsoleMain(heftrak::RosterProgram(), argc, argv);
}
