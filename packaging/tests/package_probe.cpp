// What the package test asks Windows about an installed program, answered
// from inside the Wine prefix it was installed into:
//   package_probe window PROGRAM CAPTION  starts PROGRAM, waits for its main
//                                         window (class "Win", this caption),
//                                         closes it and waits for the exit
//   package_probe shortcut LINK           the target, working folder and icon
//                                         of a shortcut (.lnk) file
//   package_probe version PROGRAM         the file version and copyright in
//                                         its version resource
//   package_probe image PROGRAM           its header's DLL characteristics,
//                                         then the manifest Windows reads
// Prints its answer; exits 0 on success, 1 with the reason otherwise.
#include <windows.h>

#include <objbase.h>
#include <shlobj.h>

#include <cstdio>
#include <cstring>
#include <vector>

namespace {

constexpr DWORD kWindowWaitMs = 30000;
constexpr DWORD kExitWaitMs = 10000;

int Fail(const char* what, const char* subject) {
  std::printf("%s: %s (error %lu)\n", what, subject, GetLastError());
  return 1;
}

struct WindowSearch {
  DWORD processId;
  const char* caption;
  HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM param) {
  WindowSearch& search = *reinterpret_cast<WindowSearch*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  char className[16] = {};
  char caption[128] = {};
  GetClassNameA(window, className, sizeof className);
  GetWindowTextA(window, caption, sizeof caption);
  if (owner == search.processId && IsWindowVisible(window) && std::strcmp(className, "Win") == 0 &&
      std::strcmp(caption, search.caption) == 0) {
    search.found = window;
    return FALSE;
  }
  return TRUE;
}

// The process handles of a started program, closed on every path.
struct StartedProcess {
  PROCESS_INFORMATION info{};
  ~StartedProcess() {
    if (info.hProcess != nullptr) {
      CloseHandle(info.hThread);
      CloseHandle(info.hProcess);
    }
  }
};

int ProbeWindow(const char* program, const char* caption) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  StartedProcess started;
  std::vector<char> commandLine(std::strlen(program) + 3);
  std::snprintf(commandLine.data(), commandLine.size(), "\"%s\"", program);
  const DWORD start = GetTickCount();
  if (!CreateProcessA(program, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &started.info)) {
    return Fail("cannot start", program);
  }
  WindowSearch search{started.info.dwProcessId, caption, nullptr};
  while (search.found == nullptr && GetTickCount() - start < kWindowWaitMs) {
    if (WaitForSingleObject(started.info.hProcess, 50) == WAIT_OBJECT_0) {
      return Fail("ended before showing its window", program);
    }
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
  }
  if (search.found == nullptr) {
    TerminateProcess(started.info.hProcess, 1);
    return Fail("no main window", caption);
  }
  const DWORD shownAfter = GetTickCount() - start;
  PostMessageA(search.found, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(started.info.hProcess, kExitWaitMs) != WAIT_OBJECT_0) {
    TerminateProcess(started.info.hProcess, 1);
    return Fail("did not close", program);
  }
  DWORD exitCode = 1;
  GetExitCodeProcess(started.info.hProcess, &exitCode);
  std::printf("window \"%s\" shown after %lu ms; closed, exit code %lu\n", caption, shownAfter,
              exitCode);
  return exitCode == 0 ? 0 : 1;
}

// COM for the lifetime of the shortcut query.
struct ComScope {
  HRESULT result = CoInitialize(nullptr);
  ~ComScope() {
    if (SUCCEEDED(result)) {
      CoUninitialize();
    }
  }
};

template <typename T>
struct ComPointer {
  T* p = nullptr;
  ~ComPointer() {
    if (p != nullptr) {
      p->Release();
    }
  }
};

int ProbeShortcut(const char* link) {
  ComScope com;
  ComPointer<IShellLinkA> shellLink;
  ComPointer<IPersistFile> file;
  WCHAR widePath[MAX_PATH] = {};
  if (FAILED(com.result) ||
      FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                              reinterpret_cast<void**>(&shellLink.p))) ||
      FAILED(shellLink.p->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file.p))) ||
      MultiByteToWideChar(CP_ACP, 0, link, -1, widePath, MAX_PATH) == 0 ||
      FAILED(file.p->Load(widePath, STGM_READ))) {
    return Fail("cannot read the shortcut", link);
  }
  char target[MAX_PATH] = {};
  char folder[MAX_PATH] = {};
  char icon[MAX_PATH] = {};
  int iconIndex = 0;
  if (FAILED(shellLink.p->GetPath(target, MAX_PATH, nullptr, SLGP_RAWPATH)) ||
      FAILED(shellLink.p->GetWorkingDirectory(folder, MAX_PATH)) ||
      FAILED(shellLink.p->GetIconLocation(icon, MAX_PATH, &iconIndex))) {
    return Fail("incomplete shortcut", link);
  }
  std::printf("target=%s|folder=%s|icon=%s\n", target, folder, icon);
  return 0;
}

int ProbeVersion(const char* program) {
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeA(program, &ignored);
  std::vector<char> data(size);
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  if (size == 0 || !GetFileVersionInfoA(program, 0, size, data.data()) ||
      !VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&fixed), &length) ||
      length < sizeof *fixed) {
    return Fail("no version resource", program);
  }
  WORD* translation = nullptr;
  char* copyright = nullptr;
  char query[64] = {};
  if (!VerQueryValueA(data.data(), "\\VarFileInfo\\Translation",
                      reinterpret_cast<void**>(&translation), &length) ||
      length < 2 * sizeof(WORD)) {
    return Fail("no translation in the version resource", program);
  }
  std::snprintf(query, sizeof query, "\\StringFileInfo\\%04x%04x\\LegalCopyright", translation[0],
                translation[1]);
  if (!VerQueryValueA(data.data(), query, reinterpret_cast<void**>(&copyright), &length)) {
    copyright = nullptr;
  }
  std::printf("version=%u.%u.%u.%u|copyright=%s\n", HIWORD(fixed->dwFileVersionMS),
              LOWORD(fixed->dwFileVersionMS), HIWORD(fixed->dwFileVersionLS),
              LOWORD(fixed->dwFileVersionLS), copyright != nullptr ? copyright : "");
  return 0;
}

// A program mapped as data, released on every path.
struct MappedProgram {
  HMODULE module;
  ~MappedProgram() {
    if (module != nullptr) {
      FreeLibrary(module);
    }
  }
};

int ProbeImage(const char* program) {
  MappedProgram mapped{LoadLibraryExA(program, nullptr, LOAD_LIBRARY_AS_DATAFILE)};
  if (mapped.module == nullptr) {
    return Fail("cannot map", program);
  }
  // A module loaded as data is its handle with the low bits cleared.
  const auto* base = reinterpret_cast<const BYTE*>(reinterpret_cast<ULONG_PTR>(mapped.module) &
                                                   ~static_cast<ULONG_PTR>(3));
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS32*>(base + dos->e_lfanew);
  if (dos->e_magic != IMAGE_DOS_SIGNATURE || nt->Signature != IMAGE_NT_SIGNATURE) {
    return Fail("no PE header", program);
  }
  HRSRC found = FindResourceA(mapped.module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
  HGLOBAL loaded = found != nullptr ? LoadResource(mapped.module, found) : nullptr;
  const void* manifest = loaded != nullptr ? LockResource(loaded) : nullptr;
  if (manifest == nullptr) {
    return Fail("no manifest (resource 1 of type 24)", program);
  }
  std::printf("characteristics=0x%04x\n%.*s\n", nt->OptionalHeader.DllCharacteristics,
              static_cast<int>(SizeofResource(mapped.module, found)),
              static_cast<const char*>(manifest));
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::strcmp(argv[1], "window") == 0) {
    return ProbeWindow(argv[2], argv[3]);
  }
  if (argc == 3 && std::strcmp(argv[1], "shortcut") == 0) {
    return ProbeShortcut(argv[2]);
  }
  if (argc == 3 && std::strcmp(argv[1], "version") == 0) {
    return ProbeVersion(argv[2]);
  }
  if (argc == 3 && std::strcmp(argv[1], "image") == 0) {
    return ProbeImage(argv[2]);
  }
  std::printf(
      "usage: package_probe window PROGRAM CAPTION | shortcut LINK | version PROGRAM | "
      "image PROGRAM\n");
  return 2;
}
