#include "shell/core/text_format.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <limits>

namespace shell {

namespace {

// Copies `size` bytes in whole words, the last overlapping the one before:
// a format's texts are a few bytes, and a call to memcpy would cost more
// than the copy. The evaluations write a line under a message for every
// row of a roster.
void CopyBytes(char* to, const char* from, std::size_t size) {
  const auto word = [&]<typename Word>(Word, std::size_t at) {
    Word w;
    std::memcpy(&w, from + at, sizeof w);
    std::memcpy(to + at, &w, sizeof w);
  };
  if (size >= 8) {
    for (std::size_t at = 0; at + 8 < size; at += 8) {
      word(std::uint64_t{}, at);
    }
    word(std::uint64_t{}, size - 8);
  } else if (size >= 4) {
    word(std::uint32_t{}, 0);
    word(std::uint32_t{}, size - 4);
  } else {
    for (std::size_t at = 0; at < size; ++at) {
      to[at] = from[at];
    }
  }
}

// Appends to a buffer as snprintf fills it: what fits, and a count of all.
class Output {
 public:
  Output(char* buffer, std::size_t size) : buffer_(buffer), size_(size) {}

  void Put(char c) {
    if (at_ + 1 < size_) {
      buffer_[at_] = c;
    }
    ++at_;
  }
  void Put(std::string_view text) {
    if (at_ + 1 < size_) {
      CopyBytes(buffer_ + at_, text.data(), std::min(text.size(), size_ - 1 - at_));
    }
    at_ += text.size();
  }
  void Pad(char c, std::size_t count) {
    for (std::size_t i = 0; i < count && at_ + 1 < size_; ++i) {
      buffer_[at_ + i] = c;
    }
    at_ += count;
  }
  int Finish() {
    if (size_ > 0) {
      buffer_[at_ < size_ ? at_ : size_ - 1] = '\0';
    }
    constexpr std::size_t kMost = std::numeric_limits<int>::max();
    return static_cast<int>(at_ < kMost ? at_ : kMost);
  }

 private:
  char* buffer_;
  std::size_t size_;
  std::size_t at_ = 0;
};

void PutField(Output& out, const FormatDirective& directive, int width, std::string_view sign,
              std::string_view body) {
  const std::size_t length = sign.size() + body.size();
  const std::size_t padding = width > 0 && static_cast<std::size_t>(width) > length
                                  ? static_cast<std::size_t>(width) - length
                                  : 0;
  if (directive.left) {
    out.Put(sign);
    out.Put(body);
    out.Pad(' ', padding);
  } else if (directive.zeros) {
    out.Put(sign);
    out.Pad('0', padding);
    out.Put(body);
  } else {
    out.Pad(' ', padding);
    out.Put(sign);
    out.Put(body);
  }
}

}  // namespace

int FormatInto(char* buffer, std::size_t size, std::string_view format,
               std::span<const FormatArg> args) {
  Output out(buffer, size);
  std::size_t next = 0;
  const auto take = [&]() -> const FormatArg* {
    return next < args.size() ? &args[next++] : nullptr;
  };
  std::size_t at = 0;
  while (at < format.size()) {
    // A format is a few words: looked through here rather than by a call.
    std::size_t percent = at;
    while (percent < format.size() && format[percent] != '%') {
      ++percent;
    }
    out.Put(format.substr(at, percent - at));
    if (percent == format.size()) {
      break;
    }
    const FormatDirective directive = ReadDirective(format, percent);
    if (!directive.valid) {
      break;
    }
    at = directive.end;
    if (directive.conversion == '%') {
      out.Put('%');
      continue;
    }
    int width = directive.width;
    if (directive.starWidth) {
      const FormatArg* star = take();
      width = star != nullptr && !star->isText ? star->number : 0;
    }
    FormatDirective used = directive;
    if (width < 0) {  // printf: a negative '*' width is the '-' flag
      used.left = true;
      width = width == std::numeric_limits<int>::min() ? 0 : -width;
    }
    const FormatArg* arg = take();
    if (arg == nullptr || arg->isText != (directive.conversion == 's')) {
      continue;
    }
    if (arg->isText) {
      PutField(out, used, width, {}, arg->text);
      continue;
    }
    char digits[16];
    const auto written = std::to_chars(digits, digits + sizeof digits, arg->number);
    std::string_view number(digits, static_cast<std::size_t>(written.ptr - digits));
    std::string_view sign;
    if (!number.empty() && number.front() == '-') {
      sign = number.substr(0, 1);
      number.remove_prefix(1);
    }
    PutField(out, used, width, sign, number);
  }
  return out.Finish();
}

}  // namespace shell
