// The roster programs on Linux: files through POSIX, no printer.
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "roster/console_main.h"
#include "roster/core/console.h"
#include "shell/core/print_setup.h"

namespace roster {

namespace {

// The temporary results file being written, for the signal handler to
// remove when the run is killed; nullptr when there is none.
std::atomic<const char*> writing{nullptr};

// Removes the temporary file, then ends the program as the signal would have.
extern "C" void OnTerminatingSignal(int signal) {
  if (const char* path = writing.exchange(nullptr)) {
    unlink(path);
  }
  std::signal(signal, SIG_DFL);
  std::raise(signal);
}

// Ctrl+C, a closed terminal and kill. A signal the shell started the program
// ignoring (a background job's Ctrl+C) stays ignored.
void HandleTerminatingSignals() {
  for (int signal : {SIGINT, SIGTERM, SIGHUP}) {
    struct sigaction old {};
    sigaction(signal, nullptr, &old);
    if (old.sa_handler != SIG_IGN) {
      struct sigaction action {};
      action.sa_handler = &OnTerminatingSignal;
      sigemptyset(&action.sa_mask);
      sigaction(signal, &action, nullptr);
    }
  }
}

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) {
      close(fd_);
    }
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int get() const { return fd_; }
  // Closes now, reporting whether the last writes reached the file.
  bool Close() {
    const int fd = fd_;
    fd_ = -1;
    return close(fd) == 0;
  }

 private:
  int fd_;
};

// Creates the temporary file beside the results, RESULTS.tmp-XXXXXX, its
// name in `path`; registered for the signal handler before it exists, so a
// signal while mkstemp runs removes it too.
int CreateTemporary(std::string& path) {
  writing.store(path.c_str());
  const int fd = mkstemp(path.data());
  // A lock that lives as long as this process: a later run removes only a
  // temporary file nobody holds.
  if (fd >= 0) {
    flock(fd, LOCK_EX | LOCK_NB);
  }
  return fd;
}

// The temporary file while the results are written: removed on every way
// out but the rename.
class TemporaryFile {
 public:
  explicit TemporaryFile(const std::string& target)
      : path_(target + ".tmp-XXXXXX"), file_(CreateTemporary(path_)) {}
  ~TemporaryFile() {
    if (writing.exchange(nullptr) != nullptr) {
      unlink(path_.c_str());
    }
  }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;

  FileDescriptor& file() { return file_; }
  // Renames the file over the target; a killed run has removed it already.
  bool Commit(const std::string& target) {
    if (writing.load() == nullptr || rename(path_.c_str(), target.c_str()) != 0) {
      return false;
    }
    writing.store(nullptr);
    return true;
  }

 private:
  std::string path_;  // before file_: CreateTemporary writes the name into it
  FileDescriptor file_;
};

// The file `path` names: the path itself, or where its symbolic links lead
// (a link's relative target is taken from the link's folder). False with
// errno set when the links cannot be followed.
bool Target(const std::string& path, std::string& target) {
  target = path;
  for (int hops = 0; hops < 40; ++hops) {
    struct stat info {};
    if (lstat(target.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
      return true;
    }
    char link[4096];
    const ssize_t size = readlink(target.c_str(), link, sizeof link);
    if (size < 0 || static_cast<std::size_t>(size) == sizeof link) {
      errno = size < 0 ? errno : ENAMETOOLONG;
      return false;
    }
    const std::string leads(link, static_cast<std::size_t>(size));
    const std::size_t slash = target.rfind('/');
    target = leads.starts_with('/') || slash == std::string::npos
                 ? leads
                 : target.substr(0, slash + 1) + leads;
  }
  errno = ELOOP;
  return false;
}

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? "." : path.substr(0, slash + 1);
}

bool ReadFile(const std::string& path, const std::function<void(const ByteReader&)>& read,
              std::string& why) {
  // Without waiting for a writer, should the roster be a named pipe; a
  // file reads the same either way.
  FileDescriptor file(open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  struct stat info {};
  if (file.get() < 0 || fstat(file.get(), &info) != 0) {
    why = std::strerror(errno);
    return false;
  }
  if (!S_ISREG(info.st_mode)) {
    why = "not a file";
    return false;
  }
  if (TooLargeForARoster(info.st_size, why)) {
    return false;
  }
  read([&file](char* buffer, std::size_t capacity, std::string& readWhy) -> std::ptrdiff_t {
    while (true) {
      const ssize_t got = ::read(file.get(), buffer, capacity);
      if (got >= 0) {
        return got;
      }
      if (errno != EINTR) {
        readWhy = std::strerror(errno);
        return -1;
      }
    }
  });
  return true;
}

bool WriteAll(int fd, std::string_view bytes, std::string& why) {
  while (!bytes.empty()) {
    const ssize_t written = write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) {
      continue;
    }
    if (written <= 0) {
      why = std::strerror(errno);
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

bool ReplaceFile(const std::string& path, const std::function<bool(const ByteWriter&)>& write,
                 std::string& why) {
  std::string target;
  if (!Target(path, target)) {
    why = std::strerror(errno);
    return false;
  }
  TemporaryFile temporary(target);
  FileDescriptor& file = temporary.file();
  if (file.get() < 0) {
    why = errno == EACCES || errno == EROFS ? UnwritableFolderText(std::strerror(errno))
                                            : std::strerror(errno);
    return false;
  }
  // Readable as a file written by this user normally is.
  const mode_t mask = umask(0);
  umask(mask);
  if (fchmod(file.get(), 0666 & ~mask) != 0) {
    why = std::strerror(errno);
    return false;
  }
  const ByteWriter writer = [&file](std::string_view bytes, std::string& writeWhy) {
    return WriteAll(file.get(), bytes, writeWhy);
  };
  if (!write(writer)) {
    return false;
  }
  if (fsync(file.get()) != 0 || !file.Close() || !temporary.Commit(target)) {
    why = std::strerror(errno);
    return false;
  }
  return true;
}

std::vector<std::string> RemoveLeftovers(const std::string& results) {
  std::string path;
  if (!Target(results, path)) {
    return {};
  }
  const std::size_t slash = path.rfind('/');
  const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
  const std::string prefix = (slash == std::string::npos ? path : path.substr(slash + 1)) + ".tmp-";
  std::vector<std::string> removed;
  DIR* directory = opendir(folder.c_str());
  if (directory == nullptr) {
    return removed;
  }
  while (const dirent* entry = readdir(directory)) {
    const std::string name = entry->d_name;
    if (!name.starts_with(prefix) || name.size() != prefix.size() + 6) {
      continue;
    }
    const std::string leftover = (slash == std::string::npos ? "" : folder) + name;
    FileDescriptor file(open(leftover.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK));
    struct stat info {};
    if (file.get() >= 0 && fstat(file.get(), &info) == 0 && S_ISREG(info.st_mode) &&
        flock(file.get(), LOCK_EX | LOCK_NB) == 0 && unlink(leftover.c_str()) == 0) {
      removed.push_back(leftover);
    }
  }
  closedir(directory);
  return removed;
}

// Only a file, or nothing yet, in a folder the user may write. A file nobody
// may write, as a clerk makes it read-only, counts as read-only: Windows
// refuses to replace such a file, and so does this build.
OutputCheck CheckOutput(const std::string& path) {
  struct stat info {};
  if (stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) {
    if (S_ISDIR(info.st_mode)) {
      return {OutputKind::Folder, ""};
    }
    if (S_ISCHR(info.st_mode) || S_ISBLK(info.st_mode)) {
      return {OutputKind::Device, ""};
    }
    return {S_ISFIFO(info.st_mode)   ? OutputKind::Pipe
            : S_ISSOCK(info.st_mode) ? OutputKind::Socket
                                     : OutputKind::NotAFile,
            ""};
  }
  std::string target;
  if (Target(path, target) && access(FolderOf(target).c_str(), W_OK | X_OK) != 0 &&
      (errno == EACCES || errno == EROFS || errno == EPERM)) {
    return {OutputKind::UnwritableFolder, std::strerror(errno)};
  }
  const bool exists = stat(path.c_str(), &info) == 0;
  if (exists && ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 ||
                 (access(path.c_str(), W_OK) != 0 && (errno == EACCES || errno == EROFS)))) {
    return {OutputKind::ReadOnly, ""};
  }
  return {};
}

bool SameFile(const std::string& a, const std::string& b) {
  struct stat first {};
  struct stat second {};
  return stat(a.c_str(), &first) == 0 && stat(b.c_str(), &second) == 0 &&
         first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

// A terminal gets the texts wrapped to a console's width; a file or a pipe
// each message on one line.
void WriteOut(std::string_view text) {
  WriteStandardOut(isatty(STDOUT_FILENO) ? Wrapped(text) : std::string(text));
}

void WriteErr(std::string_view text) {
  WriteStandardErr(isatty(STDERR_FILENO) ? Wrapped(text) : std::string(text));
}

}  // namespace

int ConsoleMain(const RosterProgram& program, int argc, char** argv) {
  HandleTerminatingSignals();
  const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
  const Platform platform = {&ReadFile, &ReplaceFile, &RemoveLeftovers,   &CheckOutput, &SameFile,
                             nullptr,   nullptr,      &shell::TodaysDate, &WriteOut,    &WriteErr};
  return RunRosterProgram(program, platform, args);
}

}  // namespace roster
