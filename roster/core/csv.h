// Comma-separated values as spreadsheets write them: a record per line,
// fields in double quotes where they hold commas, quotes or line breaks.
//
// Written here rather than taken from a library. Debian's two C/C++ CSV
// packages were tried: libfccp-dev (header-only) splits lines before it
// unquotes, so a quoted field with a line break in it fails, and it matches
// header names only exactly and reads only the columns named at compile time,
// so neither case-blind headers nor passing unknown columns through can be
// had; libcsv-dev parses everything needed but ships only an x86_64 library,
// with no MinGW-w64 build and no sources to make one from.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace roster {

inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

struct CsvRecord {
  int line = 0;  // the file line the record starts on, from 1
  std::vector<std::string> cells;
};

struct CsvError {
  int line = 0;
  std::string what;
};

struct CsvTable {
  std::vector<CsvRecord> records;
  std::optional<CsvError> error;  // set: the text is not usable CSV
};

// Reads UTF-8 text with or without a byte-order mark, lines ended by CRLF, LF
// or CR. A field is quoted when its first character other than blanks is a
// double quote; inside it "" stands for one quote and commas and line breaks
// are text. Unquoted fields are taken as they stand, blanks included. Text
// after a closing quote (other than blanks) and a quote that is never closed
// are errors, with the line they are on.
CsvTable ParseCsv(std::string_view text);

// Appends one record ended by CRLF, each field quoted only when a reader
// could otherwise take it apart or trim it.
void AppendCsvRecord(std::string& out, const std::vector<std::string_view>& cells);

}  // namespace roster
