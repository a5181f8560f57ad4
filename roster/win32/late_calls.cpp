#include "roster/win32/late_calls.h"

#include <objbase.h>

#include <cstring>

namespace roster::late {

namespace {

// The function `name` of the system DLL `dll`, loaded (for the rest of the
// process; a second load finds it loaded) from the system folder and nowhere
// else; nullptr when it cannot be had.
FARPROC Find(const char* dll, const char* name) {
  char path[MAX_PATH];
  const UINT folder = GetSystemDirectoryA(path, MAX_PATH);
  const std::size_t length = std::strlen(dll);
  if (folder == 0 || folder + 1 + length >= MAX_PATH) {
    return nullptr;
  }
  path[folder] = '\\';
  std::memcpy(path + folder + 1, dll, length + 1);
  HMODULE module = LoadLibraryA(path);
  return module != nullptr ? GetProcAddress(module, name) : nullptr;
}

// As the function type it is: through the one type every other converts
// to and from.
template <typename Function>
Function As(FARPROC found) {
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
}

}  // namespace

BOOL GetOpenFileNameW(OPENFILENAMEW* choice) {
  const auto call = As<decltype(&::GetOpenFileNameW)>(Find("comdlg32.dll", "GetOpenFileNameW"));
  return call != nullptr ? call(choice) : FALSE;
}

DWORD CommDlgExtendedError() {
  const auto call =
      As<decltype(&::CommDlgExtendedError)>(Find("comdlg32.dll", "CommDlgExtendedError"));
  return call != nullptr ? call() : CDERR_INITIALIZATION;
}

BOOL InitCommonControlsEx(const INITCOMMONCONTROLSEX* controls) {
  const auto call =
      As<decltype(&::InitCommonControlsEx)>(Find("comctl32.dll", "InitCommonControlsEx"));
  return call != nullptr ? call(controls) : FALSE;
}

BOOL ShellExecuteExW(SHELLEXECUTEINFOW* execute) {
  const auto call = As<decltype(&::ShellExecuteExW)>(Find("shell32.dll", "ShellExecuteExW"));
  if (call == nullptr) {
    SetLastError(ERROR_MOD_NOT_FOUND);
    return FALSE;
  }
  return call(execute);
}

HRESULT CoInitializeEx(void* reserved, DWORD concurrency) {
  const auto call = As<decltype(&::CoInitializeEx)>(Find("ole32.dll", "CoInitializeEx"));
  return call != nullptr ? call(reserved, concurrency) : E_FAIL;
}

void CoUninitialize() {
  const auto call = As<decltype(&::CoUninitialize)>(Find("ole32.dll", "CoUninitialize"));
  if (call != nullptr) {
    call();
  }
}

}  // namespace roster::late
