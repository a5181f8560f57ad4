// Where the controls of the roster dialogs stand: the summary of a scored
// roster, and the progress of its scoring and of its reports printing. Like
// every dialog of the programs, the templates give only the frames; these
// places, in pixels from the layout grid, are the whole of the layout.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "shell/core/layout_grid.h"
#include "shell/core/line_break.h"
#include "shell/core/print_dialog_layout.h"

namespace roster {

// The controls' identifiers. Close and Cancel are the dialog manager's
// IDCANCEL, so Escape (and Enter, the summary's default) closes.
inline constexpr int kRosterCloseId = 2;
inline constexpr int kRosterOpenResultsId = 321;
inline constexpr int kRosterPrintReportsId = 322;
inline constexpr int kRosterNameId = 323;
inline constexpr int kRosterRefusedId = 324;  // the list of refused rows
inline constexpr int kRosterResultsId = 325;
inline constexpr int kRosterStatusId = 326;  // a progress dialog's text
inline constexpr int kRosterProgressId = 327;
inline constexpr int kRosterNotesId = 328;  // the list of warnings and notes
inline constexpr int kRosterDateId = 329;   // the reports' date
inline constexpr int kRosterPrintSummaryId = 319;
// Figure k of the summary: its label is kRosterFiguresId + 2k, its value the next.
inline constexpr int kRosterFiguresId = 330;

struct TextPlace {
  const char* text;  // "" for a text filled in later
  shell::Box box;
  bool rightAligned = false;
};

// What the summary holds, as far as its places depend on it.
struct SummaryShape {
  int rows = 0;      // figures of the rows read
  int verdicts = 0;  // figures of the verdicts, under them
  // The widest label (with its colon) of each, in pixels.
  int rowLabelWidth = 0;
  int verdictLabelWidth = 0;
  bool notes = false;  // warnings or notes to list apart from the refused rows
  shell::Size chart;   // the least room the chart takes (summary_chart.h)
};

struct RosterSummaryLayout {
  shell::Size client;
  // "Roster:", ("Notes:",) "Refused rows:", "Results:", "Test date:"
  std::vector<TextPlace> captions;
  shell::Box name;
  // The figures in one column, the rows' then the verdicts': label, value.
  std::vector<TextPlace> figures;
  shell::Box chart;  // beside the figures
  shell::Box notes;  // no size when there are none
  shell::Box refused;
  shell::Box results;
  shell::Box date;
  shell::ButtonPlace openResults, printReports, printSummary, close;
};

RosterSummaryLayout LayoutRosterSummary(const shell::LayoutGrid& grid, const SummaryShape& shape);

// A progress dialog, of a scoring or of a printing: its text, the bar, and
// Cancel (Close once the printing has ended).
struct RosterProgressLayout {
  shell::Size client;
  shell::Box status;  // two rows, or as many as the text needs
  shell::Box progress;
  shell::ButtonPlace cancel;
};

RosterProgressLayout LayoutRosterProgress(const shell::LayoutGrid& grid, int statusRows = 2);

// Where a progress bar of `steps` steps stands when `done` of `whole` is
// done: 0 for nothing to do, never beyond the end (a file that grew).
int BarPosition(long long done, long long whole, int steps);

// A progress dialog's text never takes more rows than this: a longer one
// keeps its start and its end (the count), the rows between given up to
// one "...".
inline constexpr std::size_t kMostStatusRows = 12;

// `text` in the rows of a progress dialog's text, as `fits` measures them.
std::vector<std::string> StatusRows(std::string_view text, const shell::RowFits& fits);

}  // namespace roster
