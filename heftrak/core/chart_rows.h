// What the Male Charts and Female Charts dialogs show: the rows of every
// list, the texts that size the lists, the panels with their headings, and
// where each control stands. The numbers all come from the table lookups.
#pragma once

#include <string>
#include <vector>

#include "shell/core/layout_grid.h"

namespace heftrak {

// The chart age that stands for an empty Age field.
inline constexpr int kChartAgeNotEntered = -1;

enum class ChartSex { Male, Female };

// Every list of the two dialogs.
enum class ChartList {
  MaleScreening,
  FemaleScreening,
  MaleLimits,
  FemaleLimits,
  AbdomenNeck,
  MaleHeight,
  Weight,
  Hip,
  FemaleHeight,
  Forearm,
  Neck,
  Wrist,
};

// The rows of a list from its top. The screening lists show the column of
// the chart age, and stay empty while no age is entered (any negative age).
std::vector<std::string> ChartRows(ChartList list, int chartAge);

// The heading above the screening weights: "Age: Not Entered" for a negative
// chart age, otherwise the age group whose column the list shows.
const char* AgeHeading(int chartAge);

// A list box: its control id, position and height in client pixels, and the
// text whose width (plus a scroll bar) makes its width. The text is never shown.
struct ChartListPlacement {
  ChartList list;
  int id;
  int left;
  int top;
  int height;
  const char* sample;
};

struct ChartText {
  int x;  // centre
  int y;  // top
  const char* text;
};

// A panel (left, top, height, width) and the texts drawn on it.
struct ChartPanel {
  int left;
  int top;
  int height;
  int width;
  std::vector<ChartText> texts;
};

struct ChartButtonPlacement {
  int id;
  int left;
  int top;
  int width;
  int height;
};

struct ChartDialogLayout {
  ChartButtonPlacement exitButton;        // "Exit", id 1, the default push button
  std::vector<ChartListPlacement> lists;  // in the order they are created and filled
};

ChartDialogLayout ChartLayout(ChartSex sex, const shell::LayoutGrid& grid);

// The panels in drawing order, each with its texts; the age heading is the
// one for `chartAge`.
std::vector<ChartPanel> ChartPanels(ChartSex sex, const shell::LayoutGrid& grid, int chartAge);

// The client area a chart dialog needs: every panel with its edges and every
// control, whose right and bottom ends are `controlEnds` (as created, for the
// lists' widths are measured), with a grid unit to spare. The template's size
// comes from its font, and a stand-in for a missing font can make it smaller.
shell::Size ChartClientSize(ChartSex sex, const shell::LayoutGrid& grid,
                            const std::vector<shell::Size>& controlEnds);

}  // namespace heftrak
