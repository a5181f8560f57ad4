#include "roster/win32/text.h"

#include <climits>

namespace roster {

namespace {

// Every text here comes from a roster of at most kMaxRosterBytes, so its
// length fits an int.
int Length(std::size_t size) {
  return size > INT_MAX ? INT_MAX : static_cast<int>(size);
}

std::wstring ToWide(UINT codePage, DWORD flags, std::string_view text) {
  if (text.empty()) {
    return {};
  }
  const int length =
      MultiByteToWideChar(codePage, flags, text.data(), Length(text.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length > 0 ? length : 0), L'\0');
  if (length > 0) {
    MultiByteToWideChar(codePage, flags, text.data(), Length(text.size()), wide.data(), length);
  }
  return wide;
}

std::string FromWide(UINT codePage, std::wstring_view wide) {
  if (wide.empty()) {
    return {};
  }
  const int length = WideCharToMultiByte(codePage, 0, wide.data(), Length(wide.size()), nullptr, 0,
                                         nullptr, nullptr);
  std::string text(static_cast<std::size_t>(length > 0 ? length : 0), '\0');
  if (length > 0) {
    WideCharToMultiByte(codePage, 0, wide.data(), Length(wide.size()), text.data(), length, nullptr,
                        nullptr);
  }
  return text;
}

}  // namespace

std::wstring Utf8ToWide(std::string_view utf8) {
  return ToWide(CP_UTF8, 0, utf8);
}

std::string WideToUtf8(std::wstring_view wide) {
  return FromWide(CP_UTF8, wide);
}

std::string PrinterText(std::string_view utf8) {
  const std::wstring wide = ToWide(CP_UTF8, MB_ERR_INVALID_CHARS, utf8);
  if (wide.empty()) {
    return std::string(utf8);  // empty, or not UTF-8
  }
  return FromWide(CP_ACP, wide);
}

std::wstring DisplayText(std::string_view text) {
  const std::wstring wide = ToWide(CP_UTF8, MB_ERR_INVALID_CHARS, text);
  return wide.empty() ? ToWide(CP_ACP, 0, text) : wide;
}

std::string Utf8Text(std::string_view text) {
  return WideToUtf8(DisplayText(text));
}

bool WriteToConsole(HANDLE console, std::string_view text) {
  DWORD mode = 0;
  if (console == nullptr || console == INVALID_HANDLE_VALUE ||
      GetConsoleMode(console, &mode) == FALSE) {
    return false;
  }
  const std::wstring wide = DisplayText(text);
  std::wstring_view rest = wide;
  while (!rest.empty()) {
    DWORD written = 0;
    const DWORD size = rest.size() > 4096 ? 4096 : static_cast<DWORD>(rest.size());
    if (WriteConsoleW(console, rest.data(), size, &written, nullptr) == FALSE || written == 0) {
      break;
    }
    rest.remove_prefix(written);
  }
  return true;
}

std::string SystemMessage(DWORD error) {
  wchar_t* text = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::wstring message;
  if (text != nullptr) {
    message.assign(text, length);
    LocalFree(text);
  }
  while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r' ||
                              message.back() == L' ' || message.back() == L'.')) {
    message.pop_back();
  }
  return message.empty() ? "system error " + std::to_string(error) : WideToUtf8(message);
}

}  // namespace roster
