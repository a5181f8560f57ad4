#include "roster/core/csv.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <memory>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace roster {

namespace {

constexpr char kEndOfFileMark = 0x1A;  // Ctrl+Z
// A row's most bytes and this many more are read before a row is: its line
// end, and a look at what follows.
constexpr std::size_t kRowSlack = 8;
// Behind the bytes read: the line end that stops every scan, and room for
// the sixteen bytes a scan reads at a time.
constexpr std::size_t kBeyond = 1 + 16;

// A blank that a written cell keeps only in quotes.
bool IsWrittenBlank(char c) {
  return c == ' ' || c == '\t';
}

bool IsLineEnd(char c) {
  return c == '\n' || c == '\r';
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Sixteen bytes of a text, and which of them are a given character: a bit
// each, the first byte lowest. With SSE2, which every processor these
// programs run on has (the Windows build asks for it), the sixteen are
// compared at once; elsewhere one at a time.
class Sixteen {
 public:
  static constexpr std::size_t kBytes = 16;

  explicit Sixteen(const char* from) {
#if defined(__SSE2__)
    bytes_ = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from));
#else
    std::memcpy(bytes_, from, kBytes);
#endif
  }
  // Eight bytes and eight more.
  Sixteen(std::uint64_t low, std::uint64_t high) {
#if defined(__SSE2__)
    bytes_ = _mm_set_epi64x(static_cast<long long>(high), static_cast<long long>(low));
#else
    std::memcpy(bytes_, &low, sizeof low);
    std::memcpy(bytes_ + sizeof low, &high, sizeof high);
#endif
  }

  unsigned Of(char c) const {
#if defined(__SSE2__)
    return static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes_, _mm_set1_epi8(c))));
#else
    unsigned bits = 0;
    for (std::size_t i = 0; i < kBytes; ++i) {
      bits |= (bytes_[i] == c ? 1u : 0u) << i;
    }
    return bits;
#endif
  }

  void CopyTo(char* to) const {
#if defined(__SSE2__)
    _mm_storeu_si128(reinterpret_cast<__m128i*>(to), bytes_);
#else
    std::memcpy(to, bytes_, kBytes);
#endif
  }

 private:
#if defined(__SSE2__)
  __m128i bytes_;
#else
  char bytes_[kBytes];
#endif
};

std::size_t FirstOf(unsigned bits) {
  return static_cast<std::size_t>(std::countr_zero(bits));
}

// The first separator, line end or quote from `at` on. The block holds a
// line end behind its last byte and room for sixteen bytes beyond, so the
// scan always stops, and never reads outside the block.
std::size_t NextStop(const char* data, std::size_t at, char separator) {
  while (true) {
    const Sixteen bytes(data + at);
    const unsigned stops = bytes.Of(separator) | bytes.Of('\n') | bytes.Of('\r') | bytes.Of('"');
    if (stops != 0) {
      return at + FirstOf(stops);
    }
    at += Sixteen::kBytes;
  }
}

// A cell taken as it stands; one with a blank at either end, or a formula,
// is written otherwise.
inline void AddUnquoted(CsvRow& row, std::string_view cell) {
  row.cells.push_back(cell);
  if (!cell.empty() &&
      (IsWrittenBlank(cell.front()) || IsWrittenBlank(cell.back()) || LooksLikeFormula(cell))) {
    row.plain = false;
  }
}

// The row's cells from `at` on that a separator ends, up to its first quote
// or line end: sixteen bytes at a time, each separator in them ending a
// cell, so that no cell waits for the scan of the one before. Returns where
// the first cell it leaves to the reader's own loop begins: the row's last,
// or the one with the quote. The scan stops at the line end behind the
// bytes, as NextStop's.
std::size_t SeparatedCells(const char* data, std::size_t at, std::size_t limit, char separator,
                           CsvRow& row) {
  std::size_t start = at;
  for (; at < limit; at += Sixteen::kBytes) {
    const Sixteen bytes(data + at);
    unsigned separators = bytes.Of(separator);
    const unsigned stops = bytes.Of('\n') | bytes.Of('\r') | bytes.Of('"');
    if (stops != 0) {
      separators &= (stops & (~stops + 1)) - 1;  // those before the first stop
    }
    for (; separators != 0; separators &= separators - 1) {
      const std::size_t end = at + FirstOf(separators);
      if (end >= limit) {
        return start;
      }
      AddUnquoted(row, std::string_view(data + start, end - start));
      start = end + 1;
    }
    if (stops != 0) {
      break;
    }
  }
  return start;
}

// Copies the cell to `out` up to its first byte that needs quotes (a quote,
// the separator, a line break); returns how many bytes it copied. Sixteen
// bytes at a time while there are sixteen, the last sixteen overlapping
// those before: a message is a long cell.
std::size_t CopyUnquoted(char* out, std::string_view cell, char separator) {
  const auto plain = [separator](const Sixteen& bytes) {
    return (bytes.Of('"') | bytes.Of(separator) | bytes.Of('\r') | bytes.Of('\n')) == 0;
  };
  const std::size_t size = cell.size();
  const char* const from = cell.data();
  // A short cell as two pieces that overlap, one from its start and one to
  // its end, of eight bytes each or four: checked and copied without a
  // loop, whose end a processor could not foresee from cell to cell.
  const auto pieces = [&]<typename Piece>(Piece) {
    Piece head;
    Piece tail;
    std::memcpy(&head, from, sizeof head);
    std::memcpy(&tail, from + size - sizeof tail, sizeof tail);
    if (!plain(Sixteen(head, tail))) {
      return false;
    }
    std::memcpy(out, &head, sizeof head);
    std::memcpy(out + size - sizeof tail, &tail, sizeof tail);
    return true;
  };
  if (size >= 8 && size < Sixteen::kBytes ? pieces(std::uint64_t{})
      : size >= 4 && size < 8             ? pieces(std::uint32_t{})
                                          : false) {
    return size;
  }
  std::size_t at = 0;
  if (size >= Sixteen::kBytes) {
    for (; at + Sixteen::kBytes <= size; at += Sixteen::kBytes) {
      const Sixteen bytes(from + at);
      if (!plain(bytes)) {
        break;
      }
      bytes.CopyTo(out + at);
    }
    if (at + Sixteen::kBytes > size) {
      const Sixteen last(from + size - Sixteen::kBytes);
      if (plain(last)) {
        last.CopyTo(out + size - Sixteen::kBytes);
        return size;
      }
    }
  }
  for (; at < size; ++at) {
    const char c = from[at];
    if (c == '"' || c == separator || c == '\r' || c == '\n') {
      break;
    }
    out[at] = c;
  }
  return at;
}

}  // namespace

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
    : source_(std::move(source)),
      separator_(separator),
      line_(firstLine),
      // Room for a block and, before it, what is left of a row begun in the
      // block before; and for the line end put behind the last byte.
      block_(std::max<std::size_t>(blockBytes, 1) + kMaxRowBytes + kRowSlack + kBeyond),
      begin_(block_.data()) {
  unquoted_.reserve(kMaxRowBytes);
  block_[0] = '\n';
}

CsvReader::CsvReader(std::string_view text, char separator, int firstLine)
    : separator_(separator),
      line_(firstLine),
      block_(text.size() + kBeyond),
      end_(text.size()),
      ended_(true) {
  begin_ = block_.data();
  if (!text.empty()) {
    std::memcpy(block_.data(), text.data(), text.size());
  }
  unquoted_.reserve(std::min(text.size(), kMaxRowBytes));
  TakeEndMark();
  block_[end_] = '\n';
}

void CsvReader::Fail(int line, std::string what) {
  if (!error_) {
    error_ = CsvError{line, std::move(what)};
  }
}

void CsvReader::TakeEndMark() {
  if (!readError_ && end_ > at_ && begin_[end_ - 1] == kEndOfFileMark) {
    --end_;
    endMark_ = true;
  }
}

void CsvReader::Ensure() {
  if (ended_ || end_ - at_ >= kMaxRowBytes + kRowSlack) {
    return;
  }
  // What is left goes to the front, and the block is filled behind it.
  std::memmove(block_.data(), block_.data() + at_, end_ - at_);
  end_ -= at_;
  at_ = 0;
  const std::size_t room = block_.size() - kBeyond;
  while (!ended_ && end_ < room) {
    std::string why;
    const std::ptrdiff_t got = source_(block_.data() + end_, room - end_, why);
    if (got <= 0) {
      ended_ = true;
      if (got < 0) {
        readError_ = CsvError{line_, why, true};
      }
    } else {
      end_ += std::min(static_cast<std::size_t>(got), room - end_);
    }
  }
  TakeEndMark();
  block_[end_] = '\n';
}

bool CsvReader::AtEnd(std::size_t at, std::size_t limit, int quoteLine, int rowLine) {
  // The file's Ctrl+Z counts in the row's length like any byte before it.
  if (endMark_ && at >= limit) {
    TooLong(quoteLine, rowLine);
    return false;
  }
  if (readError_) {
    if (!error_) {
      error_ = readError_;
      error_->line = line_;  // where the reading stopped
    }
    return false;
  }
  return true;
}

void CsvReader::TooLong(int quoteLine, int rowLine) {
  if (quoteLine > 0) {
    Fail(quoteLine, "a quoted field is not closed within 64 KiB");
  } else {
    Fail(rowLine, "the row is longer than 64 KiB; no roster row comes near that");
  }
}

bool CsvReader::Next(CsvRow& row) {
  row.cells.clear();
  row.line = line_;
  unquoted_.clear();
  if (error_) {
    return false;
  }
  if (source_) {
    Ensure();
  }
  if (at_ == end_) {
    if (endMark_) {
      // A Ctrl+Z on a line of its own: a record of one empty cell, no row.
      endMark_ = false;
      row.cells.emplace_back();
      return true;
    }
    AtEnd(at_, at_ + kMaxRowBytes, 0, line_);
    return false;
  }
  const int rowLine = line_;
  const char* const data = begin_;
  std::size_t at = at_;
  // No byte of the row (its line end aside) may stand at or beyond this.
  const std::size_t limit = at_ + kMaxRowBytes;
  const char separator = separator_;
  row.plain = true;
  at = SeparatedCells(data, at, limit, separator, row);
  // Behind the last byte stands a line end, so no scan below runs past it
  // unawares; at end_, the line end it finds is that one.
  while (true) {
    const std::size_t start = at;
    while (IsBlank(data[at])) {
      ++at;
    }
    if (data[at] == '"') {
      if (at >= limit) {
        TooLong(0, rowLine);
        return false;
      }
      const std::size_t first = unquoted_.size();
      if (!ReadQuoted(++at, limit, rowLine)) {
        return false;
      }
      while (IsBlank(data[at])) {
        ++at;
      }
      if (at > limit) {
        TooLong(0, rowLine);
        return false;
      }
      if (at < end_ && data[at] != separator && !IsLineEnd(data[at])) {
        Fail(line_, "text follows the closing quote of a quoted field");
        return false;
      }
      row.cells.emplace_back(unquoted_.data() + first, unquoted_.size() - first);
      row.plain = false;
    } else {
      // Up to the separator or the line end, noting a quote on the way;
      // eight bytes at a time, as most cells are shorter than that.
      while (true) {
        at = NextStop(data, at, separator);
        if (data[at] != '"') {
          break;
        }
        row.plain = false;
        ++at;
      }
      if (at > limit) {
        TooLong(0, rowLine);
        return false;
      }
      AddUnquoted(row, std::string_view(data + start, at - start));
    }
    if (at == end_) {
      if (!AtEnd(at, limit, 0, rowLine)) {
        return false;
      }
      endMark_ = false;
      row.text = std::string_view(data + at_, at - at_);
      at_ = at;
      return true;
    }
    if (data[at] == separator) {
      if (at >= limit) {
        TooLong(0, rowLine);
        return false;
      }
      ++at;
      continue;
    }
    const std::size_t lineEnd = at;
    if (data[at] == '\r' && at + 1 < end_ && data[at + 1] == '\n') {
      ++at;
    } else if (data[at] == '\r' && at + 1 == end_ && readError_) {
      // Whether an LF follows, the bytes could not tell.
      error_ = readError_;
      error_->line = line_;
      return false;
    }
    row.text = std::string_view(data + at_, lineEnd - at_);
    at_ = at + 1;
    ++line_;
    return true;
  }
}

// From just after the opening quote to just after the closing one.
bool CsvReader::ReadQuoted(std::size_t& at, std::size_t limit, int rowLine) {
  const int quoteLine = line_;
  const char* const data = begin_;
  while (true) {
    if (at == end_) {
      if (AtEnd(at, limit, quoteLine, rowLine)) {
        Fail(quoteLine, "a quoted field is not closed");
      }
      return false;
    }
    if (at >= limit) {
      TooLong(quoteLine, rowLine);
      return false;
    }
    const char c = data[at++];
    if (c == '"') {
      if (at == end_ && readError_) {
        return AtEnd(at, limit, quoteLine, rowLine);
      }
      if (at == end_ || data[at] != '"') {
        return true;
      }
      if (at >= limit) {
        TooLong(quoteLine, rowLine);
        return false;
      }
      ++at;
    } else if (c == '\n' || (c == '\r' && (at == end_ || data[at] != '\n'))) {
      // Only an LF, or a CR not followed by LF, starts a new line.
      ++line_;
    }
    unquoted_ += c;
  }
}

bool CsvReader::Next(CsvRecord& record) {
  const bool read = Next(row_);
  record.line = row_.line;
  record.cells.assign(row_.cells.begin(), row_.cells.end());
  return read;
}

CsvTable ParseCsv(std::string_view text, char separator) {
  if (text.starts_with(kUtf8ByteOrderMark)) {
    text.remove_prefix(kUtf8ByteOrderMark.size());
  }
  CsvTable table;
  CsvReader reader(text, separator);
  CsvRecord record;
  while (reader.Next(record)) {
    table.records.push_back(record);
  }
  table.error = reader.error();
  return table;
}

std::size_t CsvRecordBound(std::span<const std::string_view> cells) {
  std::size_t bound = 2;
  for (const std::string_view cell : cells) {
    bound += CsvCellBound(cell);
  }
  return bound;
}

char* WriteCsvRecord(char* out, std::span<const std::string_view> cells, char separator) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  bool first = true;
  for (const std::string_view cell : cells) {
    if (!first) {
      *out++ = separator;
    }
    first = false;
    if (cell.empty()) {
      continue;
    }
    const bool formula = LooksLikeFormula(cell);
    char* const start = out;
    if (formula) {
      *out++ = '\'';
    }
    // Quoted when a reader could take it apart or trim it: the apostrophe,
    // when there is one, is the text's first character. Most cells are
    // not, and are copied as they are checked.
    bool quoted = (!formula && blank(cell.front())) || blank(cell.back());
    if (!quoted) {
      const std::size_t copied = CopyUnquoted(out, cell, separator);
      out += copied;
      quoted = copied < cell.size();
    }
    if (quoted) {
      out = start;
      *out++ = '"';
      if (formula) {
        *out++ = '\'';
      }
      for (const char c : cell) {
        if (c == '"') {
          *out++ = '"';
        }
        *out++ = c;
      }
      *out++ = '"';
    }
  }
  *out++ = '\r';
  *out++ = '\n';
  return out;
}

void AppendCsvRecord(std::string& out, std::span<const std::string_view> cells, char separator) {
  const std::size_t start = out.size();
  out.resize(start + CsvRecordBound(cells));
  const char* end = WriteCsvRecord(out.data() + start, cells, separator);
  out.resize(static_cast<std::size_t>(end - out.data()));
}

}  // namespace roster
