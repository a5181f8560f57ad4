// The personal data dialog under Wine, opened from VORNA's Print command: its
// controls, the rank list, the default date, typing, and which keys close it.
#include <gtest/gtest.h>

#include <windows.h>

#include <ctime>
#include <string>

#include "shell/core/print_setup.h"
#include "shell/tests/win32_harness.h"
#include "vorna/core/fields.h"
#include "vorna/win32/program.h"

namespace vorna {
namespace {

struct DialogSeen {
  std::string caption;
  int ranks = 0;
  std::string firstRank, fourthRank, lastRank;
  std::string date;
  int focusedAtStart = -1;
  RECT lastNamePlace{};
  std::string middleInitial, rankTyped, ssnFirst, ssnSecond, ssnPasted;
  int focusAfterSsn = -1;
  std::string dateAfterRepaint;
  int focusAfterPrint = -1;
  bool openAfterEscapeAndEnter = false;
};

std::string Text(HWND window) {
  return harness::TextOf(window);
}

std::string Rank(HWND box, int index) {
  char text[32] = {};
  if (SendMessageA(box, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0) < 32) {
    SendMessageA(box, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
  }
  return text;
}

void TypeInto(HWND window, const char* text) {
  SetFocus(window);
  harness::Type(text);
}

class PrintDialog : public harness::ProgramSuite<&Program> {};

TEST_F(PrintDialog, CollectsThePersonalDataAndStaysOpenAfterPrinting) {
  // No printer here: printing must not leave a job behind in this test.
  const std::string savedDevice = harness::SetDefaultPrinter(",,,");

  DialogSeen seen;
  int step = 0;
  harness::WithModalDialog(
      [] { SendMessageA(shell::App().mainWindow, WM_COMMAND, 16, 0); },
      [&](HWND dialog) {
        if (step++ == 0) {
          char caption[32] = {};
          GetWindowTextA(dialog, caption, sizeof caption);
          seen.caption = caption;
          HWND rank = GetDlgItem(dialog, 67);
          seen.ranks = static_cast<int>(SendMessageA(rank, CB_GETCOUNT, 0, 0));
          seen.firstRank = Rank(rank, 0);
          seen.fourthRank = Rank(rank, 3);
          seen.lastRank = Rank(rank, 24);
          seen.date = Text(GetDlgItem(dialog, 14));
          seen.focusedAtStart = harness::FocusedId();
          seen.lastNamePlace = harness::PlaceOf(GetDlgItem(dialog, 11));

          TypeInto(GetDlgItem(dialog, 13), "j");
          seen.middleInitial = Text(GetDlgItem(dialog, 13));
          TypeInto(GetWindow(rank, GW_CHILD), "sgt");
          seen.rankTyped = Text(rank);
          TypeInto(GetDlgItem(dialog, 8), "12345");  // advances through the parts
          seen.ssnFirst = Text(GetDlgItem(dialog, 8));
          seen.ssnSecond = Text(GetDlgItem(dialog, 9));
          seen.focusAfterSsn = harness::FocusedId();
          // A whole number pasted into the first part fills all three.
          harness::PutOnClipboard("987654321");
          SendMessageA(GetDlgItem(dialog, 8), EM_SETSEL, 0, -1);
          TypeInto(GetDlgItem(dialog, 8), "\x16");  // Ctrl+V
          seen.ssnPasted = Text(GetDlgItem(dialog, 8)) + "/" + Text(GetDlgItem(dialog, 9)) + "/" +
                           Text(GetDlgItem(dialog, 10));

          SetWindowTextA(GetDlgItem(dialog, 14), "01 Jan 2000");
          RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
          seen.dateAfterRepaint = Text(GetDlgItem(dialog, 14));

          SendDlgItemMessageA(dialog, 200, BM_CLICK, 0, 0);
          seen.focusAfterPrint = harness::FocusedId();
          // Escape and Enter go through the dialog's own loop after this tick.
          PostMessageA(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 1);
          PostMessageA(GetFocus(), WM_KEYDOWN, VK_RETURN, 1);
          return false;
        }
        seen.openAfterEscapeAndEnter = IsWindowVisible(dialog) != 0;
        SendDlgItemMessageA(dialog, 201, BM_CLICK, 0, 0);  // Exit
        return true;
      });
  harness::SetDefaultPrinter(savedDevice);

  EXPECT_EQ(seen.caption, "Print");
  EXPECT_EQ(seen.ranks, 25);
  EXPECT_EQ(seen.firstRank, "E1/PVT");
  EXPECT_EQ(seen.fourthRank, "E4/SPC/CPL");
  EXPECT_EQ(seen.lastRank, "O10/GEN");
  const std::time_t now = std::time(nullptr);
  EXPECT_EQ(seen.date, shell::DefaultDate(*std::localtime(&now)));
  EXPECT_EQ(seen.focusedAtStart, 11);
  const shell::LayoutGrid& g = shell::App().grid;
  EXPECT_EQ(seen.lastNamePlace.left, 11 * g.X + 2 * g.QX);
  EXPECT_EQ(seen.lastNamePlace.top, 4 * g.QY);
  EXPECT_EQ(seen.middleInitial, "J");
  EXPECT_EQ(seen.rankTyped, "SGT");
  EXPECT_EQ(seen.ssnFirst, "123");
  EXPECT_EQ(seen.ssnSecond, "45");
  EXPECT_EQ(seen.focusAfterSsn, 10);
  EXPECT_EQ(seen.ssnPasted, "987/65/4321");
  EXPECT_EQ(seen.dateAfterRepaint, "01 Jan 2000");  // a typed date survives a repaint
  EXPECT_EQ(seen.focusAfterPrint, 11);
  EXPECT_TRUE(seen.openAfterEscapeAndEnter);
  EXPECT_EQ(step, 2);
  EXPECT_TRUE(IsWindowEnabled(shell::App().mainWindow));
}

// Every field of the dialog, the Rank box's text too, holds no more than the
// report prints of it, and a megabyte pasted into Rank is refused at once.
// Ctrl+A selects a field's whole text; a whole SSN pasted over its three
// parts is never half undone.
TEST_F(PrintDialog, FieldsKeepTheirLimitsAndTheEditingKeysWork) {
  harness::WithModalDialog(
      [] { SendMessageA(shell::App().mainWindow, WM_COMMAND, 16, 0); },
      [&](HWND dialog) {
        HWND rank = GetWindow(GetDlgItem(dialog, 67), GW_CHILD);
        for (int id = 8; id <= 14; ++id) {
          EXPECT_EQ(SendDlgItemMessageA(dialog, id, EM_GETLIMITTEXT, 0, 0), FieldChars(id)) << id;
        }
        EXPECT_EQ(SendMessageA(rank, EM_GETLIMITTEXT, 0, 0), 29);

        TypeInto(rank, "sgt");
        harness::PutOnClipboard(std::string(1 << 20, '7').c_str());
        const DWORD start = GetTickCount();
        harness::Type("\x16");  // Ctrl+V
        EXPECT_LT(GetTickCount() - start, 1000u);
        EXPECT_EQ(Text(rank), "SGT");

        for (HWND field : {GetDlgItem(dialog, 11), rank}) {
          SetWindowTextA(field, "Doe");
          TypeInto(field, "\x01");  // Ctrl+A
          harness::Type("R");
          EXPECT_EQ(Text(field), "R") << GetDlgCtrlID(field);
        }

        for (int undoIn = 8; undoIn <= 10; ++undoIn) {
          for (int id = 8; id <= 10; ++id) {
            SetDlgItemTextA(dialog, id, "");
          }
          TypeInto(GetDlgItem(dialog, 8), "123456789");  // advances through the parts
          harness::PutOnClipboard("987-65-4321");
          SendDlgItemMessageA(dialog, 8, EM_SETSEL, 0, -1);
          TypeInto(GetDlgItem(dialog, 8), "\x16");
          TypeInto(GetDlgItem(dialog, undoIn), "\x1a");  // Ctrl+Z
          const std::string shown = Text(GetDlgItem(dialog, 8)) + "/" +
                                    Text(GetDlgItem(dialog, 9)) + "/" +
                                    Text(GetDlgItem(dialog, 10));
          EXPECT_TRUE(shown == "987/65/4321" || shown == "123/45/6789")
              << "undone in " << undoIn << ": " << shown;
        }
        SendDlgItemMessageA(dialog, 201, BM_CLICK, 0, 0);  // Exit
        return true;
      });
}

}  // namespace
}  // namespace vorna
