// What a program's scorer writes for a row, in room it keeps from row to
// row: the message, and each result column's text, a figure formatted into a
// buffer of its own or a view of a text that outlives the row's scoring.
#pragma once

#include <algorithm>
#include <array>
#include <charconv>
#include <cstddef>
#include <string>
#include <string_view>

#include "roster/core/program.h"
#include "shell/core/fixed_format.h"
#include "shell/core/text_format.h"

namespace roster {

// More than any message of a row needs: the calculator's messages of two
// commands, or a refusal that shows a shortened cell.
inline constexpr std::size_t kMessageRoom = 1024;
// Every result figure fits: "-62", "17:45", "40.25", "999".
inline constexpr std::size_t kResultChars = 16;

template <std::size_t Results>
class ScoreSheet {
 public:
  ScoreSheet() { message_.reserve(kMessageRoom); }
  ScoreSheet(const ScoreSheet&) = delete;
  ScoreSheet& operator=(const ScoreSheet&) = delete;

  // A new row: nothing scored, no message.
  void Clear() {
    score_ = RowScore{};
    message_.clear();
  }

  // The row refused with this message, whatever was scored before.
  void Refuse(std::string_view why) {
    Clear();
    score_.refused = true;
    message_.append(why);
  }
  void SetRefused(bool refused) { score_.refused = refused; }
  bool refused() const { return score_.refused; }

  std::string& message() { return message_; }
  // Adds one more message, a blank between it and those before.
  void AddMessage(std::string_view text) {
    if (!message_.empty()) {
      message_ += ' ';
    }
    message_.append(text);
  }

  // The row has results: every column empty until set.
  void StartResults() {
    views_.fill({});
    score_.results = views_;
  }
  // A text that lives until the next row is scored (a literal, a figure in
  // the scorer's own state).
  void Set(int column, std::string_view text) { views_[Index(column)] = text; }
  // As "%d" writes it; without reading a format, for a figure or two a row.
  void SetNumber(int column, int value) {
    char* text = texts_[Index(column)].data();
    const std::to_chars_result end = std::to_chars(text, text + kResultChars - 1, value);
    views_[Index(column)] = std::string_view(text, static_cast<std::size_t>(end.ptr - text));
  }
  // A run time in minutes and seconds: "17:45".
  void SetMinutes(int column, int seconds) {
    char* text = texts_[Index(column)].data();
    views_[Index(column)] =
        Written(text, shell::FormatText(text, kResultChars, "%d:%02d", seconds / 60, seconds % 60));
  }
  // A figure as the window shows it, without the field format's padding.
  void SetFigure(int column, float value, int decimals) {
    char* text = texts_[Index(column)].data();
    const std::size_t length =
        shell::FormatFixed(text, kResultChars, value, decimals, 0, shell::Align::Left);
    views_[Index(column)] = std::string_view(text, std::min(length, kResultChars - 1));
  }

  void SetTally(int tally) { score_.tally = tally; }
  void SetReport(const shell::Report* report) { score_.report = report; }

  const RowScore& score() {
    score_.message = message_;
    return score_;
  }

 private:
  static std::size_t Index(int column) { return static_cast<std::size_t>(column); }
  static std::string_view Written(const char* text, int length) {
    return std::string_view(
        text, length < 0 ? 0 : std::min(static_cast<std::size_t>(length), kResultChars - 1));
  }

  RowScore score_;
  std::string message_;
  std::array<std::string_view, Results> views_{};
  std::array<std::array<char, kResultChars>, Results> texts_{};
};

}  // namespace roster
