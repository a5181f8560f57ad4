// Writing into entry fields from the program.
#pragma once

#include <windows.h>

#include <array>
#include <cstddef>
#include <string_view>

#include "shell/win32/app.h"

namespace shell {

// Empties a field as a user's select-all and cut would, with the same change
// notification, but leaves the clipboard alone: whatever the user had copied
// is still there afterwards. Nothing of the old text stays scrolled out.
void EmptyField(HWND field);

// Sets a field's text (a single-line field reports the change, a multi-line
// one does not).
void SetFieldText(HWND field, const char* text);

// Reads at most size - 1 characters of a field's text; always terminated.
void ReadFieldText(HWND field, char* buffer, int size);

// The texts of a window's first `Count` fields, read once into bounded
// buffers, as an evaluation reads them; valid as long as this object.
template <std::size_t Count>
class EntrySnapshot {
 public:
  EntrySnapshot() {
    for (std::size_t id = 0; id < Count; ++id) {
      ReadFieldText(App().fields.At(static_cast<int>(id)), buffers_[id].data(),
                    static_cast<int>(buffers_[id].size()));
      texts_[id] = buffers_[id].data();
    }
  }
  const std::array<std::string_view, Count>& texts() const { return texts_; }

 private:
  // A few characters more than any entry field holds.
  std::array<std::array<char, 8>, Count> buffers_{};
  std::array<std::string_view, Count> texts_{};
};

}  // namespace shell
