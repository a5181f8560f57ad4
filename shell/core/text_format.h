// Whole numbers and texts written into a buffer as printf writes them, for
// the conversions these programs use: %d and %i (flags '-' and '0', a width
// or '*'), %s (flag '-', a width or '*') and %%. Figures with decimals are
// fixed_format.h's. The C library's printf is left out of the programs: its
// engine (floating point, wide characters, locales) took some 24 KB of each
// program for conversions they never make.
//
// A format is checked against its arguments when the program is compiled:
//   shell::FormatText(line, sizeof line, "Age: %i", age);
// does not compile when `age` is no int, and neither does a conversion this
// writer does not know.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <span>
#include <string_view>
#include <type_traits>

namespace shell {

// One argument: an int, or a text (a null pointer is an empty text).
struct FormatArg {
  FormatArg(int value) : number(value) {}
  FormatArg(const char* value) : text(value != nullptr ? value : ""), isText(true) {}
  FormatArg(std::string_view value) : text(value), isText(true) {}

  int number = 0;
  std::string_view text;
  bool isText = false;
};

// One conversion of a format, as read from the '%' at `at`.
struct FormatDirective {
  bool valid = false;
  bool left = false;       // '-': padded on the right
  bool zeros = false;      // '0': a number padded with zeros after its sign
  bool starWidth = false;  // '*': the width is the next argument
  int width = 0;
  char conversion = '\0';  // 'd', 'i', 's' or '%'
  std::size_t end = 0;     // just past the conversion letter
};

constexpr FormatDirective ReadDirective(std::string_view format, std::size_t at) {
  FormatDirective directive;
  std::size_t i = at + 1;
  for (; i < format.size() && (format[i] == '-' || format[i] == '0'); ++i) {
    (format[i] == '-' ? directive.left : directive.zeros) = true;
  }
  if (i < format.size() && format[i] == '*') {
    directive.starWidth = true;
    ++i;
  } else {
    for (; i < format.size() && format[i] >= '0' && format[i] <= '9' && directive.width < 1000;
         ++i) {
      directive.width = directive.width * 10 + (format[i] - '0');
    }
  }
  if (i >= format.size()) {
    return directive;
  }
  directive.conversion = format[i];
  directive.end = i + 1;
  const bool plainPercent = directive.conversion == '%' && i == at + 1;
  const bool number = directive.conversion == 'd' || directive.conversion == 'i';
  directive.valid = plainPercent || number || (directive.conversion == 's' && !directive.zeros);
  return directive;
}

// Whether `format` takes arguments of these kinds (true: a text), in order.
constexpr bool FormatMatches(std::string_view format, std::initializer_list<bool> texts) {
  const bool* next = texts.begin();
  for (std::size_t at = format.find('%'); at != std::string_view::npos; at = format.find('%', at)) {
    const FormatDirective directive = ReadDirective(format, at);
    if (!directive.valid) {
      return false;
    }
    if (directive.conversion != '%') {
      if (directive.starWidth && (next == texts.end() || *next++)) {
        return false;
      }
      if (next == texts.end() || *next++ != (directive.conversion == 's')) {
        return false;
      }
    }
    at = directive.end;
  }
  return next == texts.end();
}

namespace format_detail {

template <typename T>
constexpr bool kIsNumber = std::is_same_v<std::remove_cvref_t<T>, int>;
template <typename T>
constexpr bool kIsText = std::is_convertible_v<const T&, std::string_view>;

// Never defined: reached while compiling, it makes a mismatch an error.
void FormatDoesNotMatchItsArguments();

}  // namespace format_detail

// A format checked, as the program is compiled, against the arguments it is
// written with.
template <typename... Args>
class TextFormat {
  static_assert(((format_detail::kIsNumber<Args> || format_detail::kIsText<Args>)&&...),
                "a formatted argument is an int or a text");

 public:
  template <typename T>
  requires std::is_convertible_v<const T&, std::string_view>
  consteval TextFormat(const T& format) : text_(format) {
    if (!FormatMatches(text_, {format_detail::kIsText<Args>...})) {
      format_detail::FormatDoesNotMatchItsArguments();
    }
  }

  constexpr std::string_view Text() const { return text_; }

 private:
  std::string_view text_;
};

// Writes `format` with `args` into `buffer` like snprintf: never more than
// `size` bytes, a NUL at the end of what fits, and returns the length of the
// whole text. A conversion the arguments do not match writes nothing.
int FormatInto(char* buffer, std::size_t size, std::string_view format,
               std::span<const FormatArg> args);

template <typename... Args>
int FormatText(char* buffer, std::size_t size, TextFormat<std::type_identity_t<Args>...> format,
               const Args&... args) {
  const FormatArg list[] = {FormatArg(args)..., FormatArg(0)};
  return FormatInto(buffer, size, format.Text(), std::span(list, sizeof...(Args)));
}

}  // namespace shell
