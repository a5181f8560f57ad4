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
#include <cstdint>
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

// A record as views into its reader, good until the reader reads on: how the
// rows of a long roster are read, without a copy of any cell. The list keeps
// its room from one row to the next.
struct CsvRow {
  int line = 0;
  std::vector<std::string_view> cells;
  std::string_view text;  // the row as it stands in the file, without its line end
  // Every cell written back just as it stands: none quoted, none holding a
  // quote, none with a blank at either end or taken for a formula.
  bool plain = true;
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
            std::size_t blockBytes = 256u << 10);
  // Text held in memory, read where it stands.
  CsvReader(std::string_view text, char separator, int firstLine = 1);

  // The next record; false at the end of the text or at an error.
  bool Next(CsvRow& row);
  bool Next(CsvRecord& record);
  const std::optional<CsvError>& error() const { return error_; }

 private:
  // Makes sure a whole row is at hand: a row's most bytes and what ends it,
  // or every byte up to the end.
  void Ensure();
  void TakeEndMark();
  bool ReadQuoted(std::size_t& at, std::size_t limit, int rowLine);
  bool IsBlank(char c) const { return c == ' ' || (c == '\t' && separator_ != '\t'); }
  void Fail(int line, std::string what);
  void TooLong(int quoteLine, int rowLine);
  // The end of the bytes reached at `at` inside a row (`limit`: the first
  // byte it may not hold; `quoteLine`: where an open quoted field began, or
  // 0): false when that is an error, which is then set.
  bool AtEnd(std::size_t at, std::size_t limit, int quoteLine, int rowLine);

  ByteReader source_;  // empty: the text is all there is
  char separator_;
  int line_;
  std::vector<char> block_;
  const char* begin_ = nullptr;  // the bytes at hand: [begin_ + at_, begin_ + end_), then '\n'
  std::size_t at_ = 0;
  std::size_t end_ = 0;
  bool ended_ = false;
  // The Ctrl+Z that ends the file, as DOS-era tools append it, taken off
  // the end of the bytes: it counts in its row's length, but is no text.
  bool endMark_ = false;
  std::optional<CsvError> readError_;  // met while reading ahead; stands at the end
  std::string unquoted_;               // the row's quoted fields, their "" made one
  CsvRow row_;                         // for records read as strings
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
// written as it stands, so results scored again gain none. Inline, as what
// follows: every cell read and written is asked.
bool IsPlainNumber(std::string_view cell);  // "-5", "12.5"
inline bool LooksLikeFormula(std::string_view cell) {
  if (cell.empty()) {
    return false;
  }
  // A bit a character, looked up rather than compared in turn, so that no
  // cell's first character waits on a chain of branches.
  constexpr auto bit = [](char of) { return std::uint64_t{1} << (of % 64); };
  static constexpr std::uint64_t kStarts[4] = {
      bit('\t') | bit('\r') | bit('+') | bit('-') | bit('='), bit('@'), 0, 0};
  const auto first = static_cast<unsigned char>(cell.front());
  return ((kStarts[first / 64] >> (first % 64)) & 1) != 0 && !IsPlainNumber(cell);
}

// A cell as it was before its apostrophe was added: what a results file
// scored again reads as the clerk's figure ("'+5" is "+5").
inline std::string_view WithoutApostrophe(std::string_view cell) {
  return cell.starts_with('\'') && LooksLikeFormula(cell.substr(1)) ? cell.substr(1) : cell;
}

// Appends one record ended by CRLF: each cell that LooksLikeFormula with an
// apostrophe before it, and quoted only when a reader could otherwise take
// it apart or trim it.
void AppendCsvRecord(std::string& out, std::span<const std::string_view> cells,
                     char separator = ',');

// The most bytes AppendCsvRecord and WriteCsvRecord write for `cells`: the
// line end and each cell's bound.
std::size_t CsvRecordBound(std::span<const std::string_view> cells);
// A cell's: a separator, two quotes, an apostrophe, its quotes doubled.
inline std::size_t CsvCellBound(std::string_view cell) {
  return 2 * cell.size() + 4;
}

// The same into `out`, which has room for CsvRecordBound(cells) bytes;
// returns the end of what it wrote.
char* WriteCsvRecord(char* out, std::span<const std::string_view> cells, char separator);

}  // namespace roster
