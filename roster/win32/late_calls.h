// The calls only Score a Roster makes into comdlg32, comctl32, shell32 and
// ole32, each DLL loaded from the system folder at its first call. Loaded
// with the program, those DLLs (and those they load in turn) would cost every
// start of a window, under Wine tens of milliseconds, for dialogs most
// sessions never open. Each answers as the Windows call does, and as it does
// when it fails should its DLL be missing.
#pragma once

#include <windows.h>

#include <commctrl.h>
#include <commdlg.h>
#include <shellapi.h>

namespace roster::late {

BOOL GetOpenFileNameW(OPENFILENAMEW* choice);
DWORD CommDlgExtendedError();
BOOL InitCommonControlsEx(const INITCOMMONCONTROLSEX* controls);
BOOL ShellExecuteExW(SHELLEXECUTEINFOW* execute);
HRESULT CoInitializeEx(void* reserved, DWORD concurrency);
void CoUninitialize();

}  // namespace roster::late
