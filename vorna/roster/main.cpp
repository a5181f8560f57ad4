// vorna-roster: VORNA over a whole roster file.
#include "roster/console_main.h"
#include "vorna/roster/roster_program.h"

int main(int argc, char** argv) {
  return roster::ConsoleMain(vorna::RosterProgram(), argc, argv);
}
