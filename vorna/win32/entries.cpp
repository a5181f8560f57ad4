#include "vorna/win32/entries.h"

#include "shell/win32/app.h"
#include "shell/win32/fields.h"

namespace vorna {

EntryFields::EntryFields() {
  for (std::size_t id = 0; id < buffers_.size(); ++id) {
    std::array<char, 8>& buffer = buffers_[id];
    shell::ReadFieldText(shell::App().fields.At(static_cast<int>(id)), buffer.data(),
                         static_cast<int>(buffer.size()));
    texts_[id] = buffer.data();
  }
}

}  // namespace vorna
