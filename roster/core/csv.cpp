#include "roster/core/csv.h"

#include <algorithm>
#include <cstring>
#include <memory>

namespace roster {

namespace {

constexpr int kEndOfFileMark = 0x1A;  // Ctrl+Z

bool IsLineEnd(char c) {
  return c == '\n' || c == '\r';
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

bool IsPlainNumber(std::string_view cell) {
  if (cell.starts_with('-')) {
    cell.remove_prefix(1);
  }
  const std::size_t point = cell.find('.');
  const std::string_view whole = cell.substr(0, point);
  const std::string_view fraction =
      point == std::string_view::npos ? std::string_view("0") : cell.substr(point + 1);
  return !whole.empty() && !fraction.empty() && std::all_of(whole.begin(), whole.end(), IsDigit) &&
         std::all_of(fraction.begin(), fraction.end(), IsDigit);
}

bool NeedsQuotes(std::string_view cell, char separator) {
  if (cell.empty()) {
    return false;
  }
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  return cell.find_first_of("\"\r\n") != std::string_view::npos ||
         cell.find(separator) != std::string_view::npos || blank(cell.front()) ||
         blank(cell.back());
}

}  // namespace

ByteReader TextReader(std::string_view text, std::size_t block) {
  // Not make_shared: without type information it links the exception machinery.
  std::shared_ptr<std::size_t> at(new std::size_t(0));
  return [text, block, at](char* buffer, std::size_t capacity, std::string&) {
    std::size_t size = std::min(capacity, text.size() - *at);
    if (block > 0) {
      size = std::min(size, block);
    }
    std::memcpy(buffer, text.data() + *at, size);
    *at += size;
    return static_cast<std::ptrdiff_t>(size);
  };
}

CsvReader::CsvReader(ByteReader source, char separator, int firstLine, std::size_t blockBytes)
    : source_(std::move(source)), separator_(separator), line_(firstLine), block_(blockBytes) {}

void CsvReader::Fail(int line, std::string what) {
  if (!error_) {
    error_ = CsvError{line, std::move(what)};
  }
}

bool CsvReader::Fill() {
  if (ended_ || error_) {
    return false;
  }
  std::string why;
  const std::ptrdiff_t got = source_(block_.data(), block_.size(), why);
  if (got <= 0) {
    ended_ = true;
    if (got < 0) {
      error_ = CsvError{line_, why, true};
    }
    return false;
  }
  at_ = 0;
  end_ = std::min(static_cast<std::size_t>(got), block_.size());
  return true;
}

int CsvReader::Peek() {
  if (at_ == end_ && !Fill()) {
    return -1;
  }
  return static_cast<unsigned char>(block_[at_]);
}

int CsvReader::Get() {
  const int c = Peek();
  if (c < 0) {
    return c;
  }
  // The line end is no part of the row's length, so a row is the same
  // length ended by LF or CRLF; inside quotes a line break is text.
  const bool lineEnd = quoteLine_ == 0 && IsLineEnd(static_cast<char>(c));
  if (!lineEnd && ++rowBytes_ > kMaxRowBytes) {
    if (quoteLine_ > 0) {
      Fail(quoteLine_, "a quoted field is not closed within 64 KiB");
    } else {
      Fail(rowLine_, "the row is longer than 64 KiB; no roster row comes near that");
    }
    return -1;
  }
  ++at_;
  // The end-of-file mark DOS-era tools append is no text.
  if (c == kEndOfFileMark && Peek() < 0) {
    return -1;
  }
  return c;
}

bool CsvReader::Next(CsvRecord& record) {
  record.cells.clear();
  record.line = line_;
  rowLine_ = line_;
  rowBytes_ = 0;
  if (Peek() < 0) {
    return false;
  }
  while (true) {
    std::string& cell = record.cells.emplace_back();
    int c = Get();
    while (IsBlank(c)) {
      cell += static_cast<char>(c);
      c = Get();
    }
    if (c == '"') {
      cell.clear();
      if (!ReadQuoted(cell)) {
        return false;
      }
      c = Get();
    }
    while (c >= 0 && c != separator_ && !IsLineEnd(static_cast<char>(c))) {
      cell += static_cast<char>(c);
      c = Get();
    }
    if (error_) {
      return false;
    }
    if (c == separator_) {
      continue;
    }
    if (c == '\r' && Peek() == '\n') {
      Get();
    }
    if (c >= 0) {
      ++line_;
    }
    return !error_;
  }
}

// From just after the opening quote to just before what follows the closing
// one and any blanks after it.
bool CsvReader::ReadQuoted(std::string& cell) {
  quoteLine_ = line_;
  while (true) {
    const int c = Get();
    if (c < 0) {
      Fail(quoteLine_, "a quoted field is not closed");
      return false;
    }
    if (c == '"') {
      if (Peek() != '"') {
        break;
      }
      Get();
    } else if (c == '\n' || (c == '\r' && Peek() != '\n')) {
      // Only an LF, or a CR not followed by LF, starts a new line.
      ++line_;
    }
    cell += static_cast<char>(c);
  }
  quoteLine_ = 0;
  while (IsBlank(Peek())) {
    Get();
  }
  const int next = Peek();
  if (next >= 0 && next != separator_ && !IsLineEnd(static_cast<char>(next))) {
    Fail(line_, "text follows the closing quote of a quoted field");
    return false;
  }
  return !error_;
}

CsvTable ParseCsv(std::string_view text, char separator) {
  if (text.starts_with(kUtf8ByteOrderMark)) {
    text.remove_prefix(kUtf8ByteOrderMark.size());
  }
  CsvTable table;
  CsvReader reader(TextReader(text), separator);
  CsvRecord record;
  while (reader.Next(record)) {
    table.records.push_back(record);
  }
  table.error = reader.error();
  return table;
}

bool LooksLikeFormula(std::string_view cell) {
  return !cell.empty() &&
         std::string_view("=+-@\t\r").find(cell.front()) != std::string_view::npos &&
         !IsPlainNumber(cell);
}

std::string_view WithoutApostrophe(std::string_view cell) {
  return cell.starts_with('\'') && LooksLikeFormula(cell.substr(1)) ? cell.substr(1) : cell;
}

void AppendCsvRecord(std::string& out, std::span<const std::string_view> cells, char separator) {
  bool first = true;
  for (const std::string_view cell : cells) {
    if (!first) {
      out += separator;
    }
    first = false;
    const std::size_t start = out.size();
    if (LooksLikeFormula(cell)) {
      out += '\'';
    }
    out.append(cell);
    if (!NeedsQuotes(std::string_view(out).substr(start), separator)) {
      continue;
    }
    std::string quoted = "\"";
    for (char c : std::string_view(out).substr(start)) {
      if (c == '"') {
        quoted += '"';
      }
      quoted += c;
    }
    quoted += '"';
    out.replace(start, std::string::npos, quoted);
  }
  out += "\r\n";
}

}  // namespace roster
