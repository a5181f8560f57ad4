// A scored roster's summary page, the commander's page: how the unit did
// (tables of figures and a bar chart) and who needs what next (lists of
// soldiers by name, never an SSN). Every figure comes from the cells the
// results file holds, counted while the rows were scored (page_tally.h).
// The page is data; the text page below, the window and the printer each
// lay it out.
#pragma once

#include <array>
#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "roster/core/file_run.h"
#include "roster/core/page_tally.h"
#include "roster/core/program.h"

namespace roster {

// A table of figures: a label, then a figure per column, on each row.
struct PageTable {
  std::string caption;               // above the labels
  std::vector<std::string> columns;  // above the figures
  std::vector<std::vector<std::string>> rows;
  std::vector<std::string> notes;  // lines under the table
};

// Two bars side by side per label (e.g. passed and failed), each with its count.
struct PageBar {
  std::string label;
  std::array<long long, 2> counts{};
};

struct PageChart {
  std::string caption;
  std::array<std::string, 2> series;  // what each of a label's bars counts
  std::vector<PageBar> bars;
};

// Soldiers by name, each with a rank and the list's own cells.
struct PageList {
  std::string caption;
  // The captions of the list's own columns, after the name and the rank:
  // figures, right-aligned.
  std::vector<std::string> columns;
  std::vector<ListedSoldier> soldiers;
  long long more = 0;  // soldiers beyond those listed
};

struct SummaryPage {
  std::string title;
  std::string roster;   // the roster's file name
  std::string results;  // the results file's name
  std::string date;
  std::vector<PageTable> tables;
  PageChart chart;
  std::vector<PageList> lists;
};

// Adds a table to the page: its caption and its columns' captions.
PageTable& AddTable(SummaryPage& page, std::string_view caption,
                    std::initializer_list<std::string_view> columns);

// Adds a row to `table`: its label, then a figure per count; the row, for
// figures of other kinds after them.
std::vector<std::string>& AddRow(PageTable& table, std::string_view label,
                                 std::initializer_list<long long> counts = {});

// Adds a list to the page: its caption, its own columns' captions (after
// the name and the rank, figures right-aligned), and the soldiers kept.
PageList& AddList(SummaryPage& page, std::string_view caption,
                  std::initializer_list<std::string_view> columns, const SoldierList& soldiers);

// The page of a roster file scored: its title, names and date, and the
// program's tables, chart and lists. `utf8` turns a roster's text into
// UTF-8 (a roster saved in a code page; nullptr: the text is taken as it
// is); what is still no UTF-8 shows as "?".
SummaryPage PageOfScoredFile(const RosterProgram& program, const ScoredFile& run,
                             std::string_view input,
                             std::string (*utf8)(std::string_view) = nullptr);

// The widest line of the text page: it reads whole on an 80-column console.
inline constexpr std::size_t kPageColumns = 79;

// The page's parts under its title, as lines of text within kPageColumns:
// what the text page and the printed pages are made of.
struct PageBlock {
  enum class Kind {
    Lines,  // the names and date, a table with its notes
    Chart,  // the page's chart: its text lines (ChartLines), or a picture
    List,   // a list: its caption, its column captions, its rows
  };
  Kind kind = Kind::Lines;
  std::vector<std::string> lines;
  // A list's first lines, its caption and column captions, which head it
  // again wherever it goes on; its soldiers then how many more (or "None.")
  // follow them.
  std::size_t heading = 0;
};

std::vector<PageBlock> PageBlocks(const SummaryPage& page);

// The chart in text: each label's two bars of "#" and "=", with their counts.
std::vector<std::string> ChartLines(const PageChart& chart);

// The page as lines of plain text, none wider than kPageColumns characters:
// the title, then the blocks a blank line apart (a table too wide goes on
// in a second block of its columns).
std::vector<std::string> PageLines(const SummaryPage& page);

// The lines, each ended by CRLF, as the results file's lines end.
std::string PageText(const SummaryPage& page);

// How the page writes figures: "1,234"; an average to `decimals` places
// ("72.4"; "-" of nothing); a share of a whole in percent ("78.3%").
std::string CountText(long long count);
// Appends a whole number's digits, grouped by commas if so ("1,234").
std::string& AppendWhole(std::string& text, long long number, bool grouped = false);
std::string AverageText(long long sum, long long count, int decimals = 1);
std::string ShareText(long long part, long long whole);

// How many columns a UTF-8 text takes on the page (a character a column).
std::size_t PageWidth(std::string_view text);

}  // namespace roster
