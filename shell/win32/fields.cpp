#include "shell/win32/fields.h"

namespace shell {

void EmptyField(HWND field) {
  if (field == nullptr) {
    return;
  }
  // Replacing the whole selection with nothing notifies exactly as a cut
  // does (and nothing at all for an empty field), without the clipboard.
  SendMessageA(field, EM_SETSEL, 0, -1);
  SendMessageA(field, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(""));
  // An edit control may keep its sideways scroll when its text goes, and
  // then show the next figures typed with their first characters hidden.
  // Bringing the caret at the start into sight scrolls all the way back.
  SendMessageA(field, EM_SETSEL, 0, 0);
  SendMessageA(field, EM_SCROLLCARET, 0, 0);
}

void SetFieldText(HWND field, const char* text) {
  if (field != nullptr) {
    SetWindowTextA(field, text);
  }
}

void ReadFieldText(HWND field, char* buffer, int size) {
  if (buffer == nullptr || size <= 0) {
    return;
  }
  buffer[0] = '\0';
  if (field != nullptr) {
    GetWindowTextA(field, buffer, size);
  }
  buffer[size - 1] = '\0';
}

}  // namespace shell
