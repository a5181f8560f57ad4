// What a clerk meets around the scoring and the printing in the windows,
// beyond a roster scored and printed as the console does (window_driver.h):
// a long scoring, keys typed ahead, Cancel, a printer's failure with the
// longest names, many print jobs, no program for CSV files, and the
// summary's chart and printed page.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "roster/tests/window_driver.h"

namespace harness {

// A VORNA roster of `rows` soldiers. Under Wine here a window scores some
// 300,000 such rows a second, and shows its progress after 0.3 s.
inline std::string LongRoster(int rows) {
  std::string roster = "Last,Age,Sex,Pushups,Situps,Run\n";
  for (int i = 0; i < rows; ++i) {
    roster += "Doe" + std::to_string(i) + ",25,M,50,50,15:00\n";
  }
  return roster;
}

// Rows of `soldiers` soldiers named NAME, First 100 and on, of one rank, each
// with the same figures (the columns after Last, First and Rank).
inline std::string Soldiers(int soldiers, const std::string& name, const std::string& rank,
                            const std::string& figures) {
  std::string rows;
  for (int k = 0; k < soldiers; ++k) {
    rows += name + "," + std::to_string(100 + k) + "," + rank + "," + figures + "\n";
  }
  return rows;
}

// Posts Escape and Return to the summary the moment it is made, before the
// clerk can have seen it, as keys typed while the roster was scored would
// stand in the queue.
class KeysAtTheSummary {
 public:
  KeysAtTheSummary()
      : hook_(SetWindowsHookExW(WH_CALLWNDPROC, &Watch, nullptr, GetCurrentThreadId())) {}
  ~KeysAtTheSummary() { UnhookWindowsHookEx(hook_); }
  KeysAtTheSummary(const KeysAtTheSummary&) = delete;
  KeysAtTheSummary& operator=(const KeysAtTheSummary&) = delete;

 private:
  static LRESULT CALLBACK Watch(int code, WPARAM wParam, LPARAM lParam) {
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && call->message == WM_INITDIALOG &&
        TextOf(call->hwnd) == "Roster Scored") {
      PostMessageA(call->hwnd, WM_KEYDOWN, VK_ESCAPE, 1);
      PostMessageA(call->hwnd, WM_KEYDOWN, VK_RETURN, 1);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }
  HHOOK hook_;
};

// A long roster shows its progress; Enter pressed meanwhile cancels
// nothing, and keys typed before the summary is up do not close it.
inline void KeysTypedAheadLeaveTheSummaryUp(int rows) {
  const std::string path = WorkFolder("typed-ahead") + "long.csv";
  WriteFileBytes(path, LongRoster(rows));
  bool progressShown = false;
  SummaryShown shown;
  KeysAtTheSummary keys;
  const bool done =
      RunDialogs(&ChooseScoreARoster,
                 {ChooseFile(path),
                  [&](HWND dialog) {
                    if (!IsScoring(dialog)) {
                      return false;
                    }
                    progressShown =
                        ItemText(dialog, roster::kRosterStatusId).starts_with("Scoring long.csv: ");
                    PressKeyIn(dialog, VK_RETURN);
                    return true;
                  },
                  OnSummary(shown, [](HWND dialog) {
                    Click(dialog, roster::kRosterCloseId);
                    return true;
                  })});
  EXPECT_TRUE(done);
  EXPECT_TRUE(progressShown);
  ASSERT_FALSE(shown.figures.empty());
  EXPECT_EQ(shown.figures[0], "Rows read: " + std::to_string(rows));
}

// Cancel while a roster is scored: the results of an earlier scoring stay
// as they were, no temporary file is left, and the clerk is told so.
inline void CancelledScoringLeavesTheResults(int rows) {
  const std::string path = WorkFolder("cancelled") + "long.csv";
  WriteFileBytes(path, LongRoster(rows));
  const std::string results = ResultsOf(path);
  const std::string earlier = "Last,Age,Sex\r\nEarlier,25,M\r\n";
  WriteFileBytes(results, earlier);
  std::string message;
  const bool done = RunDialogs(&ChooseScoreARoster, {ChooseFile(path),
                                                     [](HWND dialog) {
                                                       if (!IsScoring(dialog)) {
                                                         return false;
                                                       }
                                                       Click(dialog, roster::kRosterCloseId);
                                                       return true;
                                                     },
                                                     OnMessageBox(message)});
  EXPECT_TRUE(done);
  EXPECT_EQ(message, "Scoring cancelled: " + results + " is as it was.");
  EXPECT_TRUE(FileBytes(results) == earlier);  // not the whole of a long file when it fails
  WIN32_FIND_DATAA found;
  const HANDLE find = FindFirstFileA((results + ".tmp*").c_str(), &found);
  EXPECT_EQ(find, INVALID_HANDLE_VALUE) << found.cFileName;
  if (find != INVALID_HANDLE_VALUE) {
    FindClose(find);
  }
  EXPECT_TRUE(IsWindowEnabled(shell::App().mainWindow));
}

// A printer that refuses the first report of `roster` (two soldiers, the
// first of them `firstSoldier`): the whole of the failure shows, in the
// rows the dialog has made for it, above its button.
inline void PrintFailureShowsWhole(const std::string& roster, const std::string& firstSoldier) {
  const char* refusing = std::getenv("REFUSING_PRINTER");
  ASSERT_TRUE(refusing != nullptr && *refusing != '\0') << "REFUSING_PRINTER names no printer";
  const std::string path = WorkFolder("print-failure") + "roster.csv";
  WriteFileBytes(path, roster);
  const std::string saved =
      SetDefaultPrinter(std::string(refusing) + ",wineps.drv,CUPS:" + refusing);
  std::string text;
  RECT box{};
  RECT needed{};
  RECT button{};
  RECT client{};
  const bool done = RunDialogs(
      &ChooseScoreARoster,
      {ChooseFile(path), OnSummaryPress('p'),
       [&](HWND dialog) {
         HWND status = GetDlgItem(dialog, roster::kRosterStatusId);
         text = IsPrinting(dialog) ? TextOf(status) : "";
         if (text.empty() || text.starts_with("Printing ")) {
           return false;
         }
         // As the text control draws it: its own font, rows broken at words.
         GetClientRect(status, &box);
         needed = box;
         HDC dc = GetDC(status);
         const HGDIOBJ font =
             SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(status, WM_GETFONT, 0, 0)));
         DrawTextA(dc, text.c_str(), -1, &needed, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
         if (font != nullptr) {
           SelectObject(dc, font);
         }
         ReleaseDC(status, dc);
         MapWindowPoints(status, dialog, reinterpret_cast<POINT*>(&box), 2);
         GetWindowRect(GetDlgItem(dialog, roster::kRosterCloseId), &button);
         MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&button), 2);
         GetClientRect(dialog, &client);
         PressKeyIn(dialog, VK_RETURN);
         return true;
       },
       OnSummaryPress('c')});
  SetDefaultPrinter(saved);
  EXPECT_TRUE(done);
  EXPECT_EQ(Unwrapped(text), "The report of line 2 (" + firstSoldier +
                                 ") was not printed: the default printer did not take the "
                                 "page; 0 of 2 reports printed.");
  EXPECT_LE(needed.bottom - needed.top, box.bottom - box.top) << text;
  EXPECT_LE(needed.right - needed.left, box.right - box.left) << text;
  EXPECT_GE(button.top, box.bottom);
  EXPECT_LE(button.bottom, client.bottom);
}

// Print Reports of more than 50 soldiers asks first, saying how many and
// the date; No prints nothing (on a printer that would refuse it anyway).
inline void AsksBeforeManyPrintJobs() {
  const char* refusing = std::getenv("REFUSING_PRINTER");
  ASSERT_TRUE(refusing != nullptr && *refusing != '\0') << "REFUSING_PRINTER names no printer";
  const std::string path = WorkFolder("many-jobs") + "roster.csv";
  WriteFileBytes(path, LongRoster(51));
  const std::string saved =
      SetDefaultPrinter(std::string(refusing) + ",wineps.drv,CUPS:" + refusing);
  std::string question;
  int alerts = 0;
  AlertsCounted counted(alerts);
  const bool done = RunDialogs(
      &ChooseScoreARoster,
      {ChooseFile(path), OnSummaryPress('p'), OnMessageBox(question, IDNO), OnSummaryPress('c')});
  counted.Stop();
  SetDefaultPrinter(saved);
  EXPECT_TRUE(done);
  EXPECT_EQ(question, "Print 51 reports dated " + shell::TodaysDate() +
                          " on the default printer, one print job each?");
  EXPECT_EQ(alerts, 0);  // nothing was printed, and nothing failed
}

// No program opens CSV files: one message in Windows' own words, never a
// success, offering the folder instead; Yes opens the folder (given for
// the test to a command that writes down what it is asked to open).
inline void OpenResultsWithoutAProgram(const std::string& roster) {
  const std::string folder = WorkFolder("no-program");
  const std::string path = folder + "roster.csv";
  const std::string opened = folder + "opened.txt";
  WriteFileBytes(path, roster);
  std::string message;
  int alerts = 0;
  bool done = false;
  {
    const ClassStandIn csv(".csv", {{"", "CalcTest.NoProgram"}});
    const ClassStandIn folders("Folder\\shell\\open",
                               {{"command", "cmd.exe /c echo %1>\"" + opened + "\""}});
    AlertsCounted counted(alerts);
    done = RunDialogs(&ChooseScoreARoster, {ChooseFile(path), OnSummaryPress('o'),
                                            OnMessageBox(message, IDYES), OnSummaryPress('c')});
    counted.Stop();
    AwaitFile(opened);
  }
  EXPECT_TRUE(done);
  const std::string start = ResultsOf(path) + " could not be opened: ";
  EXPECT_TRUE(message.starts_with(start)) << message;
  EXPECT_TRUE(message.ends_with(". Open the folder that holds it instead?")) << message;
  EXPECT_GT(message.size(), start.size() + 40) << message;  // a reason between them
  EXPECT_EQ(message.find("Success"), std::string::npos) << message;
  EXPECT_EQ(message.find('%'), std::string::npos) << message;
  EXPECT_EQ(alerts, 1);
  EXPECT_EQ(FileBytes(opened), folder.substr(0, folder.size() - 1) + "\r\n");
}

// A bar of the summary's chart as the dialog draws it.
struct DrawnBar {
  COLORREF colour;
  int height;  // in pixels
};

// The chart's bars, left to right, read from the dialog drawn into a bitmap
// (WM_PRINTCLIENT): in each column of pixels the run of a bar's colour (and
// of the white count on it) up from the line the bars stand on; the legend's
// keys stand higher and are left out.
inline std::vector<DrawnBar> ChartBars(HWND dialog) {
  constexpr COLORREF kBlue = 0x000000FF;  // a 32-bit DIB's pixels are 0x00RRGGBB
  constexpr COLORREF kRed = 0x00FF0000;
  constexpr COLORREF kWhite = 0x00FFFFFF;
  constexpr COLORREF kBackground = 0x00C0C0C0;
  RECT client{};
  GetClientRect(dialog, &client);
  const int width = client.right;
  const int height = client.bottom;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HDC dc = CreateCompatibleDC(nullptr);
  const HGDIOBJ previous = SelectObject(dc, bitmap);
  auto* pixels = static_cast<COLORREF*>(bits);
  std::fill(pixels, pixels + static_cast<std::ptrdiff_t>(width) * height, kBackground);
  SendMessageA(dialog, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  GdiFlush();
  const auto at = [&](int x, int y) { return pixels[static_cast<std::ptrdiff_t>(y) * width + x]; };
  struct Column {
    int x;
    COLORREF colour;
    int bottom;
    int height;
  };
  std::vector<Column> columns;
  int baseline = 0;
  for (int x = 0; x < width; ++x) {
    for (int y = height - 1; y >= 0; --y) {
      const COLORREF colour = at(x, y);
      if (colour != kBlue && colour != kRed) {
        continue;
      }
      int top = y;
      while (top > 0 && (at(x, top - 1) == colour || at(x, top - 1) == kWhite)) {
        --top;
      }
      columns.push_back({x, colour, y, y - top + 1});
      baseline = std::max(baseline, y);
      break;
    }
  }
  std::vector<DrawnBar> bars;
  int lastX = -2;
  for (const Column& column : columns) {
    if (column.bottom != baseline) {
      continue;
    }
    if (bars.empty() || column.x != lastX + 1 || bars.back().colour != column.colour) {
      bars.push_back({column.colour, 0});
    }
    bars.back().height = std::max(bars.back().height, column.height);
    lastX = column.x;
  }
  SelectObject(dc, previous);
  DeleteDC(dc);
  DeleteObject(bitmap);
  return bars;
}

// The summary's chart shows the bars `expected` (colour, count; none for
// a count of nothing), left to right, each as tall as its count's share of
// the tallest, to the pixel.
inline void ExpectChart(HWND dialog, const std::vector<std::pair<COLORREF, long long>>& expected) {
  const std::vector<DrawnBar> bars = ChartBars(dialog);
  ASSERT_EQ(bars.size(), expected.size());
  int tallest = 0;
  long long most = 0;
  for (std::size_t k = 0; k < bars.size(); ++k) {
    EXPECT_EQ(bars[k].colour, expected[k].first) << "bar " << k;
    tallest = std::max(tallest, bars[k].height);
    most = std::max(most, expected[k].second);
  }
  EXPECT_GT(tallest, 60);  // the chart takes room enough to read
  for (std::size_t k = 0; k < bars.size(); ++k) {
    EXPECT_NEAR(bars[k].height,
                static_cast<double>(expected[k].second) * tallest / static_cast<double>(most), 1.0)
        << "bar " << k << " of " << expected[k].second;
  }
}

// The summary of `roster` (its soldiers of the rank PRINT_RANK) shows its
// chart as `expected` (ExpectChart); Print Summary prints its page with the
// date REPORTS_DATE set in the summary, and says so; then, on a printer that
// refuses every job, sounds the alert once and says it was not printed.
inline void PrintSummaryWithItsChart(const std::function<std::string(const std::string&)>& roster,
                                     const std::vector<std::pair<COLORREF, long long>>& expected) {
  const char* rank = std::getenv("PRINT_RANK");
  ASSERT_TRUE(rank != nullptr) << "PRINT_RANK names no rank to mark this run's summary";
  const char* date = std::getenv("REPORTS_DATE");
  ASSERT_TRUE(date != nullptr) << "REPORTS_DATE names no date for this run's summary";
  const char* refusing = std::getenv("REFUSING_PRINTER");
  ASSERT_TRUE(refusing != nullptr && *refusing != '\0') << "REFUSING_PRINTER names no printer";
  const std::string path = WorkFolder("print-summary") + "summary.csv";
  WriteFileBytes(path, roster(rank));
  std::string saved;
  std::vector<std::string> told(2);
  int alerts = 0;
  AlertsCounted counted(alerts);
  const bool done = RunDialogs(
      &ChooseScoreARoster,
      {ChooseFile(path),
       OnSummaryPress('s',
                      [&](HWND dialog) {
                        ExpectChart(dialog, expected);
                        SetDlgItemTextA(dialog, roster::kRosterDateId, date);
                      }),
       OnMessageBox(told[0]),
       OnSummaryPress('s',
                      [&](HWND) {
                        saved = SetDefaultPrinter(std::string(refusing) +
                                                  ",wineps.drv,CUPS:" + refusing);
                      }),
       OnMessageBox(told[1]), OnSummaryPress('c', [&](HWND) { SetDefaultPrinter(saved); })},
      120);
  counted.Stop();
  EXPECT_TRUE(done);
  EXPECT_EQ(told, (std::vector<std::string>{
                      "The summary page was printed.",
                      "The summary page was not printed: the default printer did not take the "
                      "page."}));
  EXPECT_EQ(alerts, 1);
}

}  // namespace harness
