#include "shell/core/print_dialog_layout.h"

namespace shell {

PrintDialogLayout LayoutPrintDialog(const LayoutGrid& g, const PrintDialogIds& ids) {
  const int W2 = 2 * g.X + g.QX;
  const int W3 = 3 * g.X + g.QX;
  const int W4 = 4 * g.X + g.QX;
  const int H = g.Y + 2 * g.QY;
  const auto field = [&](int id, int left, int top, int width) {
    return FieldPlacement{id, left, top, width, g.Y, false, false, PrintDialogFieldChars(ids, id)};
  };
  PrintDialogLayout layout{};
  layout.printButton = {"&Print", kPrintButtonId, 42 * g.X, 4 * g.Y + g.QY, 12 * g.X, 7 * g.QY};
  layout.exitButton = {"E&xit", kExitButtonId, 42 * g.X, 6 * g.Y + 2 * g.QY, 12 * g.X, 7 * g.QY};
  layout.lastName = field(ids.lastName, 11 * g.X + 2 * g.QX, 4 * g.QY, 15 * g.X);
  layout.firstName = field(ids.firstName, 32 * g.X + 3 * g.QX, 4 * g.QY, 15 * g.X);
  layout.middleInitial = field(ids.middleInitial, 52 * g.X + g.QX, 4 * g.QY, 2 * g.X);
  // Each SSN part follows the one before it after a gap of 2QX.
  layout.ssn[0] = field(ids.ssn[0], 7 * g.X, 4 * g.Y, W3);
  layout.ssn[1] = field(ids.ssn[1], 7 * g.X + W3 + 2 * g.QX, 4 * g.Y, W2);
  layout.ssn[2] = field(ids.ssn[2], 7 * g.X + W3 + W2 + 4 * g.QX, 4 * g.Y, W4);
  layout.rankBox = {25 * g.X, 3 * g.Y + 3 * g.QY, 14 * g.X, 5 * H};
  layout.date = field(ids.date, 15 * g.X, 7 * g.Y, 10 * g.X + g.QX);
  layout.labels = {{{"Name: Last", g.X, g.Y},
                    {"First", 28 * g.X, g.Y},
                    {"MI", 49 * g.X + g.QX, g.Y},
                    {"SSN", 2 * g.X + g.QX, 4 * g.Y},
                    {"Rank", 20 * g.X + g.QX, 4 * g.Y},
                    {"Date", 10 * g.X, 7 * g.Y}}};
  layout.frames = {{{11 * g.X, 3 * g.QY, H, 16 * g.X},
                    {32 * g.X + g.QX, 3 * g.QY, H, 16 * g.X},
                    {51 * g.X + 3 * g.QX, 3 * g.QY, H, 3 * g.X},
                    {7 * g.X - 2 * g.QX, 3 * g.Y + 3 * g.QY, H, 11 * g.X + 2 * g.QX},
                    {14 * g.X + 3 * g.QX, 6 * g.Y + 3 * g.QY, H, 11 * g.X + g.QX}}};
  layout.slashes = {{{"/", 7 * g.X + W3, 4 * g.Y}, {"/", 7 * g.X + W3 + 2 * g.QX + W2, 4 * g.Y}}};
  return layout;
}

}  // namespace shell
