// Where the controls of the two roster dialogs stand: the summary of a
// scored roster, and the progress of its reports printing. Like every
// dialog of the programs, the templates give only the frames; these
// places, in pixels from the layout grid, are the whole of the layout.
#pragma once

#include <vector>

#include "shell/core/layout_grid.h"
#include "shell/core/print_dialog_layout.h"

namespace roster {

// The controls' identifiers. Close and Cancel are the dialog manager's
// IDCANCEL, so Escape (and Enter, the summary's default) closes.
inline constexpr int kRosterCloseId = 2;
inline constexpr int kRosterOpenResultsId = 321;
inline constexpr int kRosterPrintReportsId = 322;
inline constexpr int kRosterNameId = 323;
inline constexpr int kRosterNotesId = 324;  // the list of refused rows
inline constexpr int kRosterResultsId = 325;
inline constexpr int kRosterStatusId = 326;  // the progress dialog's line
inline constexpr int kRosterProgressId = 327;
// Figure k of the summary: its label is kRosterFiguresId + 2k, its value the next.
inline constexpr int kRosterFiguresId = 330;

struct TextPlace {
  const char* text;  // "" for a text filled in later
  shell::Box box;
  bool rightAligned = false;
};

struct RosterSummaryLayout {
  shell::Size client;
  std::vector<TextPlace> captions;  // "Roster:", "Refused rows:", "Results:"
  shell::Box name;
  // The figures in two columns, `rows` and `verdicts` long: label, value.
  std::vector<TextPlace> figures;
  shell::Box notes;
  shell::Box results;
  shell::ButtonPlace openResults, printReports, close;
};

// `rows` figures in the first column and `verdicts` in the second, in the
// order the summary lists them.
RosterSummaryLayout LayoutRosterSummary(const shell::LayoutGrid& grid, int rows, int verdicts);

struct RosterPrintingLayout {
  shell::Size client;
  shell::Box status;  // two lines
  shell::Box progress;
  shell::ButtonPlace cancel;
};

RosterPrintingLayout LayoutRosterPrinting(const shell::LayoutGrid& grid);

}  // namespace roster
