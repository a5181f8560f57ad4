// Under Wine: the roster programs' texts reach a console in its own wide
// characters, so names in any script show as they are whatever its code
// page, and a pipe (a redirected output) is left to take the UTF-8 bytes.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "roster/win32/text.h"

namespace roster {
namespace {

class ScreenBuffer {
 public:
  ScreenBuffer()
      : handle_(CreateConsoleScreenBuffer(GENERIC_READ | GENERIC_WRITE,
                                          FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                          CONSOLE_TEXTMODE_BUFFER, nullptr)) {}
  ~ScreenBuffer() {
    if (handle_ != INVALID_HANDLE_VALUE) {
      CloseHandle(handle_);
    }
  }
  ScreenBuffer(const ScreenBuffer&) = delete;
  ScreenBuffer& operator=(const ScreenBuffer&) = delete;
  HANDLE get() const { return handle_; }

  // The characters the console shows at the start of a row.
  std::wstring Row(SHORT row, std::size_t chars) const {
    std::wstring text(chars, L'\0');
    DWORD read = 0;
    ReadConsoleOutputCharacterW(handle_, text.data(), static_cast<DWORD>(chars), COORD{0, row},
                                &read);
    text.resize(read);
    return text;
  }

 private:
  HANDLE handle_;
};

TEST(ConsoleText, NamesShowInAConsoleAsTheyAre) {
  // The console Wine gives a program run from a terminal keeps no screen
  // buffer: a console of the test's own.
  FreeConsole();
  ASSERT_TRUE(AllocConsole());
  const ScreenBuffer console;
  ASSERT_NE(console.get(), INVALID_HANDLE_VALUE);
  ASSERT_TRUE(WriteToConsole(console.get(),
                             "Results: \xC3\x89quipe 1-results.csv\n"
                             "column \"Run Zeit \xC3\xA4\", \xD0\x98\xD0\xB2\xD0\xB0\xD0\xBD\n"));
  const std::wstring first = L"Results: \u00C9quipe 1-results.csv";
  const std::wstring second = L"column \"Run Zeit \u00E4\", \u0418\u0432\u0430\u043D";
  EXPECT_EQ(console.Row(0, first.size()), first);
  EXPECT_EQ(console.Row(1, second.size()), second);
}

TEST(ConsoleText, APipeIsNoConsole) {
  HANDLE read = nullptr;
  HANDLE write = nullptr;
  ASSERT_TRUE(CreatePipe(&read, &write, nullptr, 0));
  EXPECT_FALSE(WriteToConsole(write, "\xC3\x89quipe"));
  DWORD waiting = 1;
  PeekNamedPipe(read, nullptr, 0, nullptr, &waiting, nullptr);
  EXPECT_EQ(waiting, 0u);  // nothing written: the caller writes the bytes
  CloseHandle(read);
  CloseHandle(write);
}

}  // namespace
}  // namespace roster
