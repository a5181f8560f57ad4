#include "roster/core/summary_page.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <utility>

#include "roster/core/console.h"
#include "roster/core/csv.h"

namespace roster {

namespace {

constexpr std::size_t kColumnGap = 2;
constexpr char kBarMarks[2] = {'#', '='};
// A list's name column is never narrower than this, however wide its figures.
constexpr std::size_t kNarrowestName = 12;

bool StartsCharacter(char c) {
  return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
}

// The bytes of UTF-8 sequences that are whole; any other byte as "?".
std::string ValidUtf8(std::string_view text) {
  std::string valid;
  valid.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t length = lead < 0x80                   ? 1
                               : lead >= 0xC2 && lead < 0xE0 ? 2
                               : lead >= 0xE0 && lead < 0xF0 ? 3
                               : lead >= 0xF0 && lead < 0xF5 ? 4
                                                             : 0;
    bool whole = length > 0 && i + length <= text.size();
    for (std::size_t k = 1; whole && k < length; ++k) {
      whole = (static_cast<unsigned char>(text[i + k]) & 0xC0) == 0x80;
    }
    if (whole) {
      valid.append(text.substr(i, length));
      i += length;
    } else {
      valid.push_back('?');
      ++i;
    }
  }
  return valid;
}

// A roster's text as the page shows it: in UTF-8 (`utf8` turns it so when
// it is not nullptr), any byte still no UTF-8 as "?".
void Show(std::string& text, std::string (*utf8)(std::string_view)) {
  if (utf8 != nullptr) {
    text = utf8(text);
  }
  text = ValidUtf8(text);
}

// Appends `text` in at most `width` columns: cut, with "..." at the cut.
std::string& AppendFitted(std::string& out, std::string_view text, std::size_t width) {
  if (PageWidth(text) <= width) {
    return out.append(text);
  }
  const std::size_t keep = width > 3 ? width - 3 : 0;
  std::size_t columns = 0;
  std::size_t end = 0;
  while (end < text.size()) {
    if (StartsCharacter(text[end]) && columns++ == keep) {
      break;
    }
    ++end;
  }
  return out.append(text.substr(0, end)).append(std::min<std::size_t>(width, 3), '.');
}

std::string Fitted(std::string_view text, std::size_t width) {
  std::string fitted;
  return AppendFitted(fitted, text, width);
}

// Appends `text` in exactly `width` columns (cut to them), blanks before it
// or after it.
void AppendPadded(std::string& out, std::string_view text, std::size_t width, bool right) {
  const std::size_t blanks = width - std::min(PageWidth(text), width);
  AppendFitted(out.append(right ? blanks : 0, ' '), text, width).append(right ? 0 : blanks, ' ');
}

void TrimEnd(std::string& line) {
  line.erase(line.find_last_not_of(' ') + 1);
}

// Lines of program texts, broken at blanks to fit the page.
void AddWrapped(std::vector<std::string>& lines, std::string_view text) {
  const std::string wrapped = Wrapped(text);
  std::size_t start = 0;
  while (start <= wrapped.size()) {
    const std::size_t end = std::min(wrapped.find('\n', start), wrapped.size());
    lines.push_back(Fitted(std::string_view(wrapped).substr(start, end - start), kPageColumns));
    start = end + 1;
  }
}

void AddTableLines(std::vector<std::string>& lines, const PageTable& table) {
  std::size_t labels = PageWidth(table.caption);
  for (const auto& row : table.rows) {
    labels = std::max(labels, row.empty() ? 0 : PageWidth(row[0]));
  }
  labels = std::min(labels, kPageColumns / 2);
  std::vector<std::size_t> widths;
  for (std::size_t c = 0; c < table.columns.size(); ++c) {
    std::size_t width = PageWidth(table.columns[c]);
    for (const auto& row : table.rows) {
      width = std::max(width, c + 1 < row.size() ? PageWidth(row[c + 1]) : 0);
    }
    widths.push_back(std::min(width, kPageColumns - labels - kColumnGap));
  }
  // Columns that do not fit beside the labels go on in a block of their own.
  std::size_t first = 0;
  do {
    std::size_t end = first;
    std::size_t used = labels;
    while (end < widths.size() &&
           (end == first || used + kColumnGap + widths[end] <= kPageColumns)) {
      used += kColumnGap + widths[end++];
    }
    if (first > 0) {
      lines.push_back(std::string());
    }
    const auto line = [&](std::string_view label, const std::vector<std::string>& cells,
                          std::size_t offset) {
      std::string text;
      AppendPadded(text, label, labels, false);
      for (std::size_t c = first; c < end; ++c) {
        const std::string_view cell =
            c + offset < cells.size() ? std::string_view(cells[c + offset]) : "";
        text.append(kColumnGap, ' ');
        AppendPadded(text, cell, widths[c], true);
      }
      TrimEnd(text);
      return text;
    };
    lines.push_back(line(table.caption, table.columns, 0));
    for (const auto& row : table.rows) {
      lines.push_back(line(row.empty() ? "" : row[0], row, 1));
    }
    first = end;
  } while (first < widths.size());
  for (const std::string& note : table.notes) {
    AddWrapped(lines, note);
  }
}

}  // namespace

// Each label's two bars, one line each, the longest across the room the
// page leaves; a count that is not nothing shows at least one mark.
std::vector<std::string> ChartLines(const PageChart& chart) {
  std::vector<std::string> lines;
  std::string caption = chart.caption;
  for (std::size_t series = 0; series < 2; ++series) {
    caption.append(series == 0 ? " (" : ", ").append(1, kBarMarks[series]).append(" ");
    caption.append(chart.series[series]);
  }
  AddWrapped(lines, caption.append(")"));
  std::size_t labels = 0;
  long long most = 0;
  for (const PageBar& bar : chart.bars) {
    labels = std::max(labels, PageWidth(bar.label));
    most = std::max({most, bar.counts[0], bar.counts[1]});
  }
  labels = std::min(labels, kPageColumns / 3);
  const std::size_t room = kPageColumns - labels - 2 - PageWidth(CountText(most));
  for (const PageBar& bar : chart.bars) {
    for (std::size_t series = 0; series < 2; ++series) {
      const long long count = std::max(bar.counts[series], 0LL);
      std::size_t marks = 0;
      if (count > 0) {
        marks = static_cast<std::size_t>((count * static_cast<long long>(room) * 2 + most) /
                                         (2 * most));
        marks = std::clamp<std::size_t>(marks, 1, room);
      }
      std::string line;
      AppendPadded(line, series == 0 ? std::string_view(bar.label) : "", labels, false);
      line.append(" ").append(marks, kBarMarks[series]).append(marks > 0 ? " " : "");
      AppendWhole(line, count, true);
      lines.push_back(std::move(line));
    }
  }
  return lines;
}

namespace {

// A listed soldier's name, as the results write it: a name a spreadsheet
// would take for a formula quoted.
std::string ListedName(const ListedSoldier& soldier) {
  std::string name;
  if (soldier.name.empty()) {
    AppendWhole(name.append("(line "), soldier.line).append(")");
  } else {
    name.append(LooksLikeFormula(soldier.name) ? "'" : "").append(soldier.name);
  }
  return name;
}

void FillListBlock(PageBlock& block, const PageList& list) {
  block.kind = PageBlock::Kind::List;
  AddWrapped(block.lines, list.caption);
  block.heading = block.lines.size();
  if (list.soldiers.empty() && list.more == 0) {
    block.lines.push_back("None.");
    return;
  }
  std::vector<std::string> names;
  for (const ListedSoldier& soldier : list.soldiers) {
    names.push_back(ListedName(soldier));
  }
  // Column 0 the name, 1 the rank, then the list's own; row `kHead` their captions.
  constexpr std::size_t kHead = static_cast<std::size_t>(-1);
  const auto cell = [&](std::size_t row, std::size_t column) -> std::string_view {
    if (column < 2) {
      return row == kHead ? (column == 0 ? "Name" : "Rank")
                          : std::string_view(column == 0 ? names[row] : list.soldiers[row].rank);
    }
    const std::size_t own = column - 2;
    if (row == kHead) {
      return list.columns[own];
    }
    const std::vector<std::string>& cells = list.soldiers[row].cells;
    return own < cells.size() ? std::string_view(cells[own]) : std::string_view();
  };
  std::vector<std::size_t> widths(list.columns.size() + 2, 0);
  for (std::size_t c = 0; c < widths.size(); ++c) {
    widths[c] = PageWidth(cell(kHead, c));
    for (std::size_t row = 0; row < names.size(); ++row) {
      widths[c] = std::max(widths[c], PageWidth(cell(row, c)));
    }
  }
  std::size_t others = 0;
  for (std::size_t c = 1; c < widths.size(); ++c) {
    others += kColumnGap + widths[c];
  }
  const std::size_t room =
      others + kNarrowestName < kPageColumns ? kPageColumns - others : kNarrowestName;
  widths[0] = std::min(widths[0], room);
  const auto line = [&](std::size_t row) {
    std::string text;
    for (std::size_t c = 0; c < widths.size(); ++c) {
      const bool right = c > 1;
      text.append(c == 0 ? 0 : kColumnGap, ' ');
      AppendPadded(text, cell(row, c), widths[c], right);
    }
    TrimEnd(text);
    return Fitted(text, kPageColumns);
  };
  block.lines.push_back(line(kHead));
  block.heading = block.lines.size();
  for (std::size_t row = 0; row < names.size(); ++row) {
    block.lines.push_back(line(row));
  }
  if (list.more > 0) {
    std::string more = "and ";
    AppendWhole(more, list.more, true).append(" more: see the results file");
    block.lines.push_back(std::move(more));
  }
}

}  // namespace

std::size_t PageWidth(std::string_view text) {
  return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), StartsCharacter));
}

std::string& AppendWhole(std::string& text, long long number, bool grouped) {
  // The digits from the last, a comma before every third where grouped.
  char digits[32];
  char* first = std::end(digits);
  unsigned long long rest = number < 0 ? 0ULL - static_cast<unsigned long long>(number)
                                       : static_cast<unsigned long long>(number);
  for (int written = 0; written == 0 || rest > 0; ++written, rest /= 10) {
    if (grouped && written > 0 && written % 3 == 0) {
      *--first = ',';
    }
    *--first = static_cast<char>('0' + rest % 10);
  }
  return text.append(number < 0 ? "-" : "").append(first, std::end(digits));
}

std::string CountText(long long count) {
  std::string text;
  return AppendWhole(text, count, true);
}

PageTable& AddTable(SummaryPage& page, std::string_view caption,
                    std::initializer_list<std::string_view> columns) {
  PageTable& table = page.tables.emplace_back();
  table.caption = caption;
  for (const std::string_view column : columns) {
    table.columns.push_back(std::string(column));
  }
  return table;
}

PageList& AddList(SummaryPage& page, std::string_view caption,
                  std::initializer_list<std::string_view> columns, const SoldierList& soldiers) {
  PageList& list = page.lists.emplace_back();
  list.caption = caption;
  for (const std::string_view column : columns) {
    list.columns.push_back(std::string(column));
  }
  list.soldiers = soldiers.Sorted();
  list.more = soldiers.count() - static_cast<long long>(list.soldiers.size());
  return list;
}

std::vector<std::string>& AddRow(PageTable& table, std::string_view label,
                                 std::initializer_list<long long> counts) {
  std::vector<std::string>& row = table.rows.emplace_back();
  row.push_back(std::string(label));
  for (const long long count : counts) {
    row.push_back(CountText(count));
  }
  return row;
}

std::string AverageText(long long sum, long long count, int decimals) {
  if (count <= 0) {
    return "-";
  }
  long long scale = 1;
  for (int d = 0; d < decimals; ++d) {
    scale *= 10;
  }
  // Rounded half away from zero, in whole numbers: no float rounds it otherwise.
  const long long magnitude = (2 * std::llabs(sum) * scale + count) / (2 * count);
  std::string text(sum < 0 && magnitude > 0 ? "-" : "");
  AppendWhole(text, magnitude / scale, true);
  if (decimals > 0) {
    // The fraction's digits after the 1 that keeps its leading zeros.
    const std::size_t point = text.size();
    AppendWhole(text, magnitude % scale + scale)[point] = '.';
  }
  return text;
}

std::string ShareText(long long part, long long whole) {
  return whole <= 0 ? "-" : AverageText(part * 100, whole).append("%");
}

SummaryPage PageOfScoredFile(const RosterProgram& program, const ScoredFile& run,
                             std::string_view input, std::string (*utf8)(std::string_view)) {
  SummaryPage page;
  page.roster = ValidUtf8(FileName(input));
  page.results = ValidUtf8(FileName(run.output));
  page.date = run.settings.date;
  Show(page.date, utf8);
  if (program.page == nullptr) {
    page.title.assign(program.calculator).append(" Roster Summary");
    return page;
  }
  page.title = program.page->title;
  program.page->page(run.page, run.summary, page);
  for (PageList& list : page.lists) {
    for (ListedSoldier& soldier : list.soldiers) {
      Show(soldier.name, utf8);
      Show(soldier.rank, utf8);
      for (std::string& cell : soldier.cells) {
        Show(cell, utf8);
      }
    }
  }
  return page;
}

std::vector<PageBlock> PageBlocks(const SummaryPage& page) {
  std::vector<PageBlock> blocks;
  PageBlock& files = blocks.emplace_back();  // the names and date
  const std::pair<std::string_view, const std::string*> names[] = {
      {"Roster:  ", &page.roster}, {"Results: ", &page.results}, {"Date:    ", &page.date}};
  for (const auto& [label, value] : names) {
    files.lines.push_back(Fitted(std::string(label).append(*value), kPageColumns));
  }
  for (const PageTable& table : page.tables) {
    AddTableLines(blocks.emplace_back().lines, table);
  }
  if (!page.chart.bars.empty()) {
    PageBlock& chart = blocks.emplace_back();
    chart.kind = PageBlock::Kind::Chart;
    chart.lines = ChartLines(page.chart);
  }
  for (const PageList& list : page.lists) {
    FillListBlock(blocks.emplace_back(), list);
  }
  return blocks;
}

std::vector<std::string> PageLines(const SummaryPage& page) {
  std::vector<std::string> lines;
  lines.push_back(Fitted(page.title, kPageColumns));
  lines.push_back(std::string(std::min(PageWidth(page.title), kPageColumns), '='));
  bool first = true;
  for (PageBlock& block : PageBlocks(page)) {
    if (!first) {
      lines.push_back(std::string());
    }
    first = false;
    std::move(block.lines.begin(), block.lines.end(), std::back_inserter(lines));
  }
  return lines;
}

std::string PageText(const SummaryPage& page) {
  std::string text;
  for (const std::string& line : PageLines(page)) {
    text.append(line).append("\r\n");
  }
  return text;
}

}  // namespace roster
