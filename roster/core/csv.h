// Comma-separated values as spreadsheets write them: a record per line,
// fields in double quotes where they hold the separator, quotes or line
// breaks. The separator is a comma, or what the roster's dialect says (a
// semicolon where that is the spreadsheet's list separator, a tab).
//
// Written here rather than taken from a library. Debian's two C/C++ CSV
// packages were tried: libfccp-dev (header-only) splits lines before it
// unquotes, so a quoted field with a line break in it fails, and it matches
// header names only exactly and reads only the columns named at compile time,
// so neither case-blind headers nor passing unknown columns through can be
// had; libcsv-dev parses everything needed but ships only an x86_64 library,
// with no MinGW-w64 build and no sources to make one from.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace roster {

inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// No roster row comes near this. A longer one, or a quoted field never
// closed, is refused, so that no line can take memory without bound.
inline constexpr std::size_t kMaxRowBytes = 64u << 10;

// Pulls bytes: fills up to `capacity` bytes of `buffer` and returns how many;
// 0 at the end; -1 with `why` set when they cannot be read.
using ByteReader =
    std::function<std::ptrdiff_t(char* buffer, std::size_t capacity, std::string& why)>;

// A reader of text held in memory, `block` bytes at a time (0: all at once).
ByteReader TextReader(std::string_view text, std::size_t block = 0);

struct CsvRecord {
  int line = 0;  // the file line the record starts on, from 1
  std::vector<std::string> cells;
};

struct CsvError {
  int line = 0;
  std::string what;
  bool unreadable = false;  // the bytes could not be read (`what` says why)
};

// Reads records one at a time from bytes pulled in blocks, so that memory
// holds one row whatever the length of the file. Lines end in CRLF, LF or CR.
// A field is quoted when its first character other than blanks is a double
// quote; inside it "" stands for one quote and separators and line breaks
// are text. Unquoted fields are taken as they stand, blanks included. Text
// after a closing quote (other than blanks), a quote that is never closed and
// a row longer than kMaxRowBytes are errors, with the line they are on.
class CsvReader {
 public:
  CsvReader(ByteReader source, char separator, int firstLine = 1,
            std::size_t blockBytes = 64u << 10);

  // The next record; false at the end of the text or at an error.
  bool Next(CsvRecord& record);
  const std::optional<CsvError>& error() const { return error_; }

 private:
  bool Fill();
  int Peek();
  int Get();
  bool IsBlank(int c) const { return c == ' ' || (c == '\t' && separator_ != '\t'); }
  bool ReadQuoted(std::string& cell);
  void Fail(int line, std::string what);

  ByteReader source_;
  char separator_;
  int line_;
  std::vector<char> block_;
  std::size_t at_ = 0;
  std::size_t end_ = 0;
  bool ended_ = false;
  std::size_t rowBytes_ = 0;
  int rowLine_ = 0;
  int quoteLine_ = 0;  // the line an open quoted field started on; 0: none open
  std::optional<CsvError> error_;
};

struct CsvTable {
  std::vector<CsvRecord> records;
  std::optional<CsvError> error;  // set: the text is not usable CSV
};

// A whole text read at once (a UTF-8 byte-order mark skipped): for the tests
// and for texts known to be short.
CsvTable ParseCsv(std::string_view text, char separator = ',');

// Whether a spreadsheet would take the cell for a formula: it starts with =,
// +, -, @, a tab or a carriage return and is not a plain number such as -5
// or -12.5. Such a cell is written with a leading apostrophe, which makes it
// text; a cell that has one already starts with the apostrophe and is
// written as it stands, so results scored again gain none.
bool LooksLikeFormula(std::string_view cell);

// A cell as it was before its apostrophe was added: what a results file
// scored again reads as the clerk's figure ("'+5" is "+5").
std::string_view WithoutApostrophe(std::string_view cell);

// Appends one record ended by CRLF: each cell that LooksLikeFormula with an
// apostrophe before it, and quoted only when a reader could otherwise take
// it apart or trim it.
void AppendCsvRecord(std::string& out, std::span<const std::string_view> cells,
                     char separator = ',');

}  // namespace roster
