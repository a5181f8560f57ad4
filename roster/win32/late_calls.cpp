#include "roster/win32/late_calls.h"

#include <objbase.h>

#include <string>

namespace roster::late {

namespace {

// The function `name` of the system DLL `dll`, loaded (for the rest of the
// process) from the system folder and nowhere else; nullptr when it cannot
// be had.
template <typename Function>
Function Find(const char* dll, const char* name) {
  char folder[MAX_PATH];
  const UINT length = GetSystemDirectoryA(folder, sizeof folder);
  if (length == 0 || length >= sizeof folder) {
    return nullptr;
  }
  const std::string path = std::string(folder, length) + "\\" + dll;
  HMODULE module = LoadLibraryA(path.c_str());
  const FARPROC found = module != nullptr ? GetProcAddress(module, name) : nullptr;
  // Through the one function type every other converts to and from.
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
}

}  // namespace

BOOL GetOpenFileNameW(OPENFILENAMEW* choice) {
  static const auto call = Find<decltype(&::GetOpenFileNameW)>("comdlg32.dll", "GetOpenFileNameW");
  return call != nullptr ? call(choice) : FALSE;
}

DWORD CommDlgExtendedError() {
  static const auto call =
      Find<decltype(&::CommDlgExtendedError)>("comdlg32.dll", "CommDlgExtendedError");
  return call != nullptr ? call() : CDERR_INITIALIZATION;
}

BOOL InitCommonControlsEx(const INITCOMMONCONTROLSEX* controls) {
  static const auto call =
      Find<decltype(&::InitCommonControlsEx)>("comctl32.dll", "InitCommonControlsEx");
  return call != nullptr ? call(controls) : FALSE;
}

BOOL ShellExecuteExW(SHELLEXECUTEINFOW* execute) {
  static const auto call = Find<decltype(&::ShellExecuteExW)>("shell32.dll", "ShellExecuteExW");
  if (call == nullptr) {
    SetLastError(ERROR_MOD_NOT_FOUND);
    return FALSE;
  }
  return call(execute);
}

HRESULT CoInitializeEx(void* reserved, DWORD concurrency) {
  static const auto call = Find<decltype(&::CoInitializeEx)>("ole32.dll", "CoInitializeEx");
  return call != nullptr ? call(reserved, concurrency) : E_FAIL;
}

void CoUninitialize() {
  static const auto call = Find<decltype(&::CoUninitialize)>("ole32.dll", "CoUninitialize");
  if (call != nullptr) {
    call();
  }
}

}  // namespace roster::late
