#include "shell/win32/clipboard.h"

#include <cstring>

namespace shell {

bool ReadClipboardText(HWND owner, std::string& text) {
  if (!IsClipboardFormatAvailable(CF_TEXT) || !OpenClipboard(owner)) {
    return false;
  }
  bool read = false;
  if (HANDLE data = GetClipboardData(CF_TEXT)) {
    if (const auto* chars = static_cast<const char*>(GlobalLock(data))) {
      text.assign(chars, strnlen(chars, GlobalSize(data)));
      GlobalUnlock(data);
      read = true;
    }
  }
  CloseClipboard();
  return read;
}

}  // namespace shell
