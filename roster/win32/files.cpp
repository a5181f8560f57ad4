#include "roster/win32/files.h"

#include <windows.h>

#include "roster/win32/text.h"
#include "shell/core/print_setup.h"

namespace roster {

namespace {

class FileHandle {
 public:
  explicit FileHandle(HANDLE handle) : handle_(handle) {}
  ~FileHandle() { Close(); }
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE get() const { return handle_; }
  bool Close() {
    const HANDLE handle = handle_;
    handle_ = INVALID_HANDLE_VALUE;
    return handle == INVALID_HANDLE_VALUE || CloseHandle(handle) != FALSE;
  }

 private:
  HANDLE handle_;
};

// Shares reading and writing with others: a spreadsheet that has the roster
// open must not keep the program from reading it.
HANDLE OpenToRead(const std::wstring& path, DWORD access) {
  return CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                     nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}

// Opens what stands at `path` only to ask what it is. A console device
// opens only for reading or writing; that is asked second, once nothing
// else answered, since reading a named pipe could wait for its writer.
HANDLE OpenToAsk(const std::wstring& path) {
  const HANDLE handle = OpenToRead(path, 0);
  const DWORD error = GetLastError();
  if (handle != INVALID_HANDLE_VALUE || error == ERROR_FILE_NOT_FOUND ||
      error == ERROR_PATH_NOT_FOUND) {
    return handle;
  }
  const HANDLE reading = OpenToRead(path, GENERIC_READ);
  if (reading == INVALID_HANDLE_VALUE) {
    SetLastError(error);
  }
  return reading;
}

// A full path without the "\\?\" a final path starts with, where it does not
// need it.
std::wstring Plain(std::wstring path) {
  if (path.starts_with(L"\\\\?\\UNC\\")) {
    return L"\\\\" + path.substr(8);
  }
  if (path.starts_with(L"\\\\?\\") && path.size() < MAX_PATH + 4 && path[5] == L':') {
    return path.substr(4);
  }
  return path;
}

// The file `path` names: the path itself, or the file a link there leads
// to, so that renaming over it leaves the link a link.
std::wstring Target(const std::wstring& path) {
  FileHandle file(OpenToRead(path, 0));
  wchar_t full[MAX_PATH];
  const DWORD fullSize = GetFullPathNameW(path.c_str(), MAX_PATH, full, nullptr);
  std::wstring final(32768, L'\0');
  const DWORD finalSize =
      file.valid() ? GetFinalPathNameByHandleW(file.get(), final.data(), 32768, 0) : 0;
  if (finalSize == 0 || finalSize >= 32768 || fullSize == 0 || fullSize >= MAX_PATH) {
    return path;
  }
  final.resize(finalSize);
  final = Plain(final);
  const bool same = CompareStringOrdinal(final.c_str(), static_cast<int>(final.size()), full,
                                         static_cast<int>(fullSize), TRUE) == CSTR_EQUAL;
  return same ? path : final;
}

bool Fail(std::string& why) {
  why = SystemMessage(GetLastError());
  return false;
}

// A find handle, closed on every way out.
class FindHandle {
 public:
  explicit FindHandle(HANDLE handle) : handle_(handle) {}
  ~FindHandle() {
    if (handle_ != INVALID_HANDLE_VALUE) {
      FindClose(handle_);
    }
  }
  FindHandle(const FindHandle&) = delete;
  FindHandle& operator=(const FindHandle&) = delete;
  bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE get() const { return handle_; }

 private:
  HANDLE handle_;
};

// The temporary results file being written, shared with the console control
// handler, which Windows runs on a thread of its own: the handler removes the
// file, and the rename happens only while it has not.
class CriticalSection {
 public:
  CriticalSection() { InitializeCriticalSection(&section_); }
  ~CriticalSection() { DeleteCriticalSection(&section_); }
  CriticalSection(const CriticalSection&) = delete;
  CriticalSection& operator=(const CriticalSection&) = delete;
  void Enter() { EnterCriticalSection(&section_); }
  void Leave() { LeaveCriticalSection(&section_); }

 private:
  CRITICAL_SECTION section_;
};

CriticalSection writingLock;
const wchar_t* writingPath = nullptr;  // guarded by writingLock; nullptr: none

class Locked {
 public:
  Locked() { writingLock.Enter(); }
  ~Locked() { writingLock.Leave(); }
  Locked(const Locked&) = delete;
  Locked& operator=(const Locked&) = delete;
};

// Ctrl+C, Ctrl+Break, the console window closed, logoff or shutdown: the
// program ends here, as Windows would end it, without its temporary file.
BOOL WINAPI OnConsoleControl(DWORD) {
  {
    const Locked locked;
    if (writingPath != nullptr) {
      DeleteFileW(writingPath);
      writingPath = nullptr;
    }
  }
  ExitProcess(STATUS_CONTROL_C_EXIT);
}

// Six letters or digits, different for each process and attempt.
std::wstring UniqueSuffix(unsigned attempt) {
  LARGE_INTEGER now{};
  QueryPerformanceCounter(&now);
  unsigned value =
      static_cast<unsigned>(now.LowPart) ^ (GetCurrentProcessId() << 16) ^ (attempt * 2654435761u);
  constexpr wchar_t kChars[] = L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
  std::wstring suffix;
  for (int i = 0; i < 6; ++i) {
    value = value * 1103515245u + 12345u;
    suffix += kChars[(value >> 16) % 62];
  }
  return suffix;
}

// Creates the temporary file beside the results, RESULTS.tmp-XXXXXX, and
// says its name in `path`. Deleting it is shared, so the console handler can
// remove it while it is open; nothing else is, so a later run can tell it
// from a leftover.
HANDLE CreateTemporary(const std::wstring& target, std::wstring& path) {
  HANDLE handle = INVALID_HANDLE_VALUE;
  for (unsigned attempt = 0; attempt < 100 && handle == INVALID_HANDLE_VALUE; ++attempt) {
    path = target + L".tmp-" + UniqueSuffix(attempt);
    handle = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_DELETE, nullptr, CREATE_NEW,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS) {
      break;
    }
  }
  if (handle != INVALID_HANDLE_VALUE) {
    const Locked locked;
    writingPath = path.c_str();
  }
  return handle;
}

// The temporary file while the results are written: removed on every way
// out but the rename.
class TemporaryFile {
 public:
  explicit TemporaryFile(const std::wstring& target) : file_(CreateTemporary(target, path_)) {}
  ~TemporaryFile() {
    const DWORD error = GetLastError();
    bool remove = false;
    {
      const Locked locked;
      if (writingPath == path_.c_str()) {
        writingPath = nullptr;
        remove = true;
      }
    }
    file_.Close();
    if (remove) {
      DeleteFileW(path_.c_str());
    }
    SetLastError(error);
  }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;

  FileHandle& file() { return file_; }
  // Renames the file over the target, unless an interruption removed it.
  bool Commit(const std::wstring& target) {
    const Locked locked;
    if (writingPath != path_.c_str() ||
        MoveFileExW(path_.c_str(), target.c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) == FALSE) {
      return false;
    }
    writingPath = nullptr;
    return true;
  }

 private:
  std::wstring path_;  // before file_: CreateTemporary fills it
  FileHandle file_;
};

}  // namespace

void RemoveTemporaryOnConsoleClose() {
  SetConsoleCtrlHandler(&OnConsoleControl, TRUE);
}

bool ReadRosterFile(const std::string& path, const std::function<void(const ByteReader&)>& read,
                    std::string& why) {
  FileHandle file(OpenToRead(Utf8ToWide(path), GENERIC_READ));
  if (!file.valid()) {
    return Fail(why);
  }
  // A folder opens too (and then reads as "Invalid function"), as do a
  // device and a named pipe: said as the other build says it.
  BY_HANDLE_FILE_INFORMATION info{};
  if (GetFileType(file.get()) != FILE_TYPE_DISK ||
      (GetFileInformationByHandle(file.get(), &info) != FALSE &&
       (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0)) {
    why = "not a file";
    return false;
  }
  LARGE_INTEGER size{};
  if (GetFileSizeEx(file.get(), &size) == FALSE) {
    return Fail(why);
  }
  if (TooLargeForARoster(size.QuadPart, why)) {
    return false;
  }
  read([&file](char* buffer, std::size_t capacity, std::string& readWhy) -> std::ptrdiff_t {
    DWORD got = 0;
    const DWORD wanted = capacity > (1u << 30) ? (1u << 30) : static_cast<DWORD>(capacity);
    if (ReadFile(file.get(), buffer, wanted, &got, nullptr) == FALSE) {
      readWhy = SystemMessage(GetLastError());
      return -1;
    }
    return static_cast<std::ptrdiff_t>(got);
  });
  return true;
}

bool ReplaceRosterFile(const std::string& path, const std::function<bool(const ByteWriter&)>& write,
                       std::string& why) {
  const std::wstring target = Target(Utf8ToWide(path));
  TemporaryFile temporary(target);
  FileHandle& file = temporary.file();
  if (!file.valid()) {
    const DWORD error = GetLastError();
    why = error == ERROR_ACCESS_DENIED || error == ERROR_WRITE_PROTECT
              ? UnwritableFolderText(SystemMessage(error))
              : SystemMessage(error);
    return false;
  }
  const ByteWriter writer = [&file](std::string_view bytes, std::string& writeWhy) {
    while (!bytes.empty()) {
      DWORD written = 0;
      const DWORD size = bytes.size() > (1u << 30) ? (1u << 30) : static_cast<DWORD>(bytes.size());
      if (WriteFile(file.get(), bytes.data(), size, &written, nullptr) == FALSE || written == 0) {
        writeWhy = SystemMessage(GetLastError());
        return false;
      }
      bytes.remove_prefix(written);
    }
    return true;
  };
  if (!write(writer)) {
    return false;
  }
  if (FlushFileBuffers(file.get()) == FALSE || !file.Close() || !temporary.Commit(target)) {
    return Fail(why);
  }
  return true;
}

std::vector<std::string> RemoveRosterLeftovers(const std::string& path) {
  const std::wstring target = Target(Utf8ToWide(path));
  const std::size_t separator = target.find_last_of(L"\\/");
  const std::wstring folder =
      separator == std::wstring::npos ? L"" : target.substr(0, separator + 1);
  const std::wstring prefix = target.substr(folder.size()) + L".tmp-";
  std::vector<std::string> removed;
  WIN32_FIND_DATAW found{};
  const FindHandle find(FindFirstFileW((target + L".tmp-*").c_str(), &found));
  for (bool more = find.valid(); more; more = FindNextFileW(find.get(), &found) != FALSE) {
    const std::wstring name = found.cFileName;
    if (name.size() != prefix.size() + 6 || (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
      continue;
    }
    // Opened for nobody else: fails while the run that writes it holds it.
    const std::wstring leftover = folder + name;
    const HANDLE file = CreateFileW(leftover.c_str(), DELETE, 0, nullptr, OPEN_EXISTING,
                                    FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file != INVALID_HANDLE_VALUE && CloseHandle(file) != FALSE) {
      removed.push_back(WideToUtf8(leftover));
    }
  }
  return removed;
}

// Windows itself refuses to replace a read-only file or a folder; saying so
// first makes it plain, before any scoring. A device (NUL, CON) or a named
// pipe is no file to replace either.
OutputCheck CheckRosterOutput(const std::string& path) {
  const std::wstring wide = Utf8ToWide(path);
  FileHandle file(OpenToAsk(wide));
  if (!file.valid()) {
    const DWORD error = GetLastError();
    if (error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION) {
      return {};  // a file others hold or guard: replacing it says why it fails
    }
    if (error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND) {
      return {OutputKind::NotAFile, SystemMessage(error)};
    }
    const DWORD attributes = GetFileAttributesW(wide.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
      return {OutputKind::NotAFile, "a link to a file that does not exist"};
    }
    return {};
  }
  switch (GetFileType(file.get())) {
    case FILE_TYPE_DISK:
      break;
    case FILE_TYPE_CHAR:
      return {OutputKind::Device, ""};
    case FILE_TYPE_PIPE:
      return {OutputKind::Pipe, ""};
    default:
      return {OutputKind::NotAFile, ""};
  }
  BY_HANDLE_FILE_INFORMATION info{};
  if (GetFileInformationByHandle(file.get(), &info) == FALSE) {
    return {OutputKind::NotAFile, SystemMessage(GetLastError())};
  }
  if (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
    return {OutputKind::Folder, ""};
  }
  if (info.dwFileAttributes & FILE_ATTRIBUTE_READONLY) {
    return {OutputKind::ReadOnly, ""};
  }
  return {};
}

bool SameRosterFile(const std::string& a, const std::string& b) {
  FileHandle first(OpenToRead(Utf8ToWide(a), 0));
  FileHandle second(OpenToRead(Utf8ToWide(b), 0));
  BY_HANDLE_FILE_INFORMATION one{};
  BY_HANDLE_FILE_INFORMATION two{};
  return first.valid() && second.valid() &&
         GetFileInformationByHandle(first.get(), &one) != FALSE &&
         GetFileInformationByHandle(second.get(), &two) != FALSE &&
         one.dwVolumeSerialNumber == two.dwVolumeSerialNumber &&
         one.nFileIndexHigh == two.nFileIndexHigh && one.nFileIndexLow == two.nFileIndexLow;
}

Platform WindowsPlatform() {
  Platform platform{};
  platform.readFile = &ReadRosterFile;
  platform.replaceFile = &ReplaceRosterFile;
  platform.removeLeftovers = &RemoveRosterLeftovers;
  platform.checkOutput = &CheckRosterOutput;
  platform.sameFile = &SameRosterFile;
  platform.printerText = &PrinterText;
  platform.today = &shell::TodaysDate;
  platform.utf8Text = &Utf8Text;
  return platform;
}

}  // namespace roster
