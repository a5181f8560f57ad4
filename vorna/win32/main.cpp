#include <windows.h>

#include "vorna/win32/program.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previous*/, LPSTR /*commandLine*/, int show) {
  return shell::RunProgram(instance, show, vorna::Program());
}
