#include "shell/core/line_break.h"

#include <algorithm>

namespace shell {

namespace {

// No row is longer than this, whatever the room: a measure of a longer
// start of a long text would only be wasted.
constexpr std::size_t kLongestRow = 512;

bool InsideCharacter(std::string_view text, std::size_t at) {
  return at > 0 && at < text.size() && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80;
}

bool Punctuation(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte < 0x80 && byte > ' ' &&
         !((c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'));
}

bool PunctuationOnly(std::string_view word) {
  return !word.empty() && std::all_of(word.begin(), word.end(), &Punctuation);
}

// Whether a break at `end` would leave punctuation alone: the row before
// it holds nothing else, or the row after it starts with a word of it.
bool LeavesPunctuationAlone(std::string_view text, std::size_t end) {
  std::string_view row = text.substr(0, end);
  row.remove_prefix(std::min(row.find_first_not_of(' '), row.size()));
  row = row.substr(0, row.find_last_not_of(' ') + 1);
  std::string_view rest = text.substr(end);
  rest.remove_prefix(std::min(rest.find_first_not_of(' '), rest.size()));
  return PunctuationOnly(row) || PunctuationOnly(rest.substr(0, rest.find(' ')));
}

}  // namespace

std::size_t RowBreak(std::string_view text, std::size_t fitting) {
  if (fitting >= text.size()) {
    return text.size();
  }
  for (std::size_t end = fitting; end > 0; --end) {
    if ((text[end] == ' ' || text[end - 1] == '-') &&
        text.substr(0, end).find_first_not_of(' ') != std::string_view::npos &&
        !LeavesPunctuationAlone(text, end)) {
      return end;
    }
  }
  std::size_t end = std::max<std::size_t>(fitting, 1);
  while (end > 1 && (InsideCharacter(text, end) || LeavesPunctuationAlone(text, end))) {
    --end;
  }
  return end;
}

std::vector<std::string> WrapRows(std::string_view text, const RowFits& fits) {
  std::vector<std::string> rows;
  for (bool last = false; !last;) {
    const std::size_t lineEnd = text.find('\n');
    last = lineEnd == std::string_view::npos;
    std::string_view line = text.substr(0, lineEnd);
    text.remove_prefix(last ? text.size() : lineEnd + 1);
    if (!line.empty() && line.back() == '\r') {
      line.remove_suffix(1);
    }
    do {
      // The longest start of the line that fits: a start fits when a
      // longer one does.
      std::size_t low = 0;
      std::size_t high = std::min(line.size(), kLongestRow);
      while (low < high) {
        const std::size_t mid = (low + high + 1) / 2;
        if (fits(line.substr(0, mid))) {
          low = mid;
        } else {
          high = mid - 1;
        }
      }
      const std::size_t end = RowBreak(line, low);
      std::string_view row = line.substr(0, end);
      rows.emplace_back(row.substr(0, row.find_last_not_of(' ') + 1));
      line.remove_prefix(end);
      line.remove_prefix(std::min(line.find_first_not_of(' '), line.size()));
    } while (!line.empty());
  }
  return rows;
}

}  // namespace shell
