#include "roster/win32/files.h"

#include <windows.h>

#include "roster/core/console.h"
#include "roster/win32/text.h"

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

bool Fail(std::string& why) {
  why = SystemMessage(GetLastError());
  return false;
}

std::wstring FolderOf(const std::wstring& path) {
  const std::size_t separator = path.find_last_of(L"\\/");
  if (separator == std::wstring::npos) {
    return L".";
  }
  return separator == 0 ? path.substr(0, 1) : path.substr(0, separator);
}

}  // namespace

bool ReadRosterFile(const std::string& path, std::string& bytes, std::string& why) {
  FileHandle file(OpenToRead(Utf8ToWide(path), GENERIC_READ));
  LARGE_INTEGER size{};
  if (!file.valid() || GetFileSizeEx(file.get(), &size) == FALSE) {
    return Fail(why);
  }
  if (static_cast<unsigned long long>(size.QuadPart) > kMaxRosterBytes) {
    why = "too large for a roster";
    return false;
  }
  bytes.assign(static_cast<std::size_t>(size.QuadPart), '\0');
  std::size_t at = 0;
  while (at < bytes.size()) {
    DWORD got = 0;
    if (ReadFile(file.get(), bytes.data() + at, static_cast<DWORD>(bytes.size() - at), &got,
                 nullptr) == FALSE) {
      return Fail(why);
    }
    if (got == 0) {
      break;  // the file shrank while being read
    }
    at += got;
  }
  bytes.resize(at);
  return true;
}

bool ReplaceRosterFile(const std::string& path, std::string_view bytes, std::string& why) {
  const std::wstring target = Utf8ToWide(path);
  wchar_t temporary[MAX_PATH + 1] = {};
  if (GetTempFileNameW(FolderOf(target).c_str(), L"ros", 0, temporary) == 0) {
    return Fail(why);
  }
  FileHandle file(CreateFileW(temporary, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  bool done = file.valid();
  std::size_t at = 0;
  while (done && at < bytes.size()) {
    DWORD written = 0;
    done = WriteFile(file.get(), bytes.data() + at, static_cast<DWORD>(bytes.size() - at), &written,
                     nullptr) != FALSE &&
           written > 0;
    at += written;
  }
  done = done && FlushFileBuffers(file.get()) != FALSE && file.Close() &&
         MoveFileExW(temporary, target.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
  if (!done) {
    const DWORD error = GetLastError();
    file.Close();
    DeleteFileW(temporary);
    why = SystemMessage(error);
  }
  return done;
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

}  // namespace roster
