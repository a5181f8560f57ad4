#include "roster/core/csv.h"

namespace roster {

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

bool IsLineEnd(char c) {
  return c == '\n' || c == '\r';
}

class Parser {
 public:
  explicit Parser(std::string_view text) : text_(text) {
    if (text_.substr(0, kUtf8ByteOrderMark.size()) == kUtf8ByteOrderMark) {
      at_ = kUtf8ByteOrderMark.size();
    }
  }

  CsvTable Parse() {
    CsvTable table;
    while (at_ < text_.size()) {
      CsvRecord record;
      record.line = line_;
      if (!ReadRecord(record.cells, table)) {
        return table;
      }
      table.records.push_back(std::move(record));
    }
    return table;
  }

 private:
  // Consumes one line end (CRLF counts as one) and counts it.
  void SkipLineEnd() {
    if (text_[at_] == '\r' && at_ + 1 < text_.size() && text_[at_ + 1] == '\n') {
      ++at_;
    }
    ++at_;
    ++line_;
  }

  bool ReadRecord(std::vector<std::string>& cells, CsvTable& table) {
    while (true) {
      std::size_t start = at_;
      while (start < text_.size() && IsBlank(text_[start])) {
        ++start;
      }
      if (start < text_.size() && text_[start] == '"') {
        at_ = start + 1;
        cells.emplace_back();
        if (!ReadQuoted(cells.back(), table)) {
          return false;
        }
      } else {
        std::size_t end = at_;
        while (end < text_.size() && text_[end] != ',' && !IsLineEnd(text_[end])) {
          ++end;
        }
        cells.emplace_back(text_.substr(at_, end - at_));
        at_ = end;
      }
      if (at_ >= text_.size()) {
        return true;
      }
      if (IsLineEnd(text_[at_])) {
        SkipLineEnd();
        return true;
      }
      ++at_;  // the comma
    }
  }

  // From just after the opening quote to just after the closing one and any
  // blanks that follow it.
  bool ReadQuoted(std::string& cell, CsvTable& table) {
    const int opened = line_;
    while (true) {
      const std::size_t quote = text_.find('"', at_);
      if (quote == std::string_view::npos) {
        table.error = CsvError{opened, "a quoted field is not closed"};
        return false;
      }
      for (std::size_t i = at_; i < quote; ++i) {
        // Only a CR not followed by LF, or an LF, starts a new line.
        if (text_[i] == '\n' || (text_[i] == '\r' && (i + 1 >= quote || text_[i + 1] != '\n'))) {
          ++line_;
        }
      }
      cell.append(text_.substr(at_, quote - at_));
      at_ = quote + 1;
      if (at_ < text_.size() && text_[at_] == '"') {
        cell += '"';
        ++at_;
        continue;
      }
      while (at_ < text_.size() && IsBlank(text_[at_])) {
        ++at_;
      }
      if (at_ < text_.size() && text_[at_] != ',' && !IsLineEnd(text_[at_])) {
        table.error = CsvError{line_, "text follows the closing quote of a quoted field"};
        return false;
      }
      return true;
    }
  }

  std::string_view text_;
  std::size_t at_ = 0;
  int line_ = 1;
};

bool NeedsQuotes(std::string_view cell) {
  if (cell.empty()) {
    return false;
  }
  return cell.find_first_of(",\"\r\n") != std::string_view::npos || IsBlank(cell.front()) ||
         IsBlank(cell.back());
}

}  // namespace

CsvTable ParseCsv(std::string_view text) {
  return Parser(text).Parse();
}

void AppendCsvRecord(std::string& out, const std::vector<std::string_view>& cells) {
  bool first = true;
  for (std::string_view cell : cells) {
    if (!first) {
      out += ',';
    }
    first = false;
    if (!NeedsQuotes(cell)) {
      out.append(cell);
      continue;
    }
    out += '"';
    for (char c : cell) {
      if (c == '"') {
        out += '"';
      }
      out += c;
    }
    out += '"';
  }
  out += "\r\n";
}

}  // namespace roster
