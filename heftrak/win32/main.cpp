#include <windows.h>

#include "heftrak/win32/program.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previous*/, LPSTR /*commandLine*/, int show) {
  return shell::RunProgram(instance, show, heftrak::Program());
}
