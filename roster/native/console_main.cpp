// The roster programs on Linux: files through POSIX, no printer.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

#include "roster/console_main.h"
#include "roster/core/console.h"
#include "shell/core/print_setup.h"

namespace roster {

namespace {

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

bool ReadFile(const std::string& path, std::string& bytes, std::string& why) {
  FileDescriptor file(open(path.c_str(), O_RDONLY | O_CLOEXEC));
  struct stat info {};
  if (file.get() < 0 || fstat(file.get(), &info) != 0) {
    why = std::strerror(errno);
    return false;
  }
  if (!S_ISREG(info.st_mode)) {
    why = "not a file";
    return false;
  }
  if (static_cast<unsigned long long>(info.st_size) > kMaxRosterBytes) {
    why = "too large for a roster";
    return false;
  }
  bytes.clear();
  char buffer[1 << 16];
  while (true) {
    const ssize_t got = read(file.get(), buffer, sizeof buffer);
    if (got < 0) {
      if (errno == EINTR) {
        continue;
      }
      why = std::strerror(errno);
      return false;
    }
    if (got == 0) {
      return true;
    }
    bytes.append(buffer, static_cast<std::size_t>(got));
    if (bytes.size() > kMaxRosterBytes) {
      why = "too large for a roster";
      return false;
    }
  }
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) {
      continue;
    }
    if (written <= 0) {
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

bool ReplaceFile(const std::string& path, std::string_view bytes, std::string& why) {
  std::string temporary = path + ".tmp-XXXXXX";
  FileDescriptor file(mkstemp(temporary.data()));
  if (file.get() < 0) {
    why = std::strerror(errno);
    return false;
  }
  // Readable as a file written by this user normally is.
  const mode_t mask = umask(0);
  umask(mask);
  if (fchmod(file.get(), 0666 & ~mask) != 0) {
    why = std::strerror(errno);
    unlink(temporary.c_str());
    return false;
  }
  const bool done = WriteAll(file.get(), bytes) && fsync(file.get()) == 0 && file.Close() &&
                    rename(temporary.c_str(), path.c_str()) == 0;
  if (!done) {
    why = std::strerror(errno);
    unlink(temporary.c_str());
  }
  return done;
}

bool SameFile(const std::string& a, const std::string& b) {
  struct stat first {};
  struct stat second {};
  return stat(a.c_str(), &first) == 0 && stat(b.c_str(), &second) == 0 &&
         first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

std::string Today() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return shell::DefaultDate(local);
}

}  // namespace

int ConsoleMain(const RosterProgram& program, int argc, char** argv) {
  const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
  const Platform platform = {&ReadFile, &ReplaceFile, &SameFile,         nullptr,
                             nullptr,   &Today,       &WriteStandardOut, &WriteStandardErr};
  return RunRosterProgram(program, platform, args);
}

}  // namespace roster
