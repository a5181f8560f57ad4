// What a clerk meets around the scoring and the printing in the windows,
// beyond a roster scored and printed as the console does (window_driver.h):
// a long scoring, keys typed ahead, Cancel, a printer's failure with the
// longest names, many print jobs, and no program for CSV files.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
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
  shell::Observer observer;
  observer.alerted = [&alerts] { ++alerts; };
  shell::Observe(&observer);
  const bool done = RunDialogs(
      &ChooseScoreARoster,
      {ChooseFile(path), OnSummaryPress('p'), OnMessageBox(question, IDNO), OnSummaryPress('c')});
  shell::Observe(nullptr);
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
    shell::Observer observer;
    observer.alerted = [&alerts] { ++alerts; };
    shell::Observe(&observer);
    done = RunDialogs(&ChooseScoreARoster, {ChooseFile(path), OnSummaryPress('o'),
                                            OnMessageBox(message, IDYES), OnSummaryPress('c')});
    shell::Observe(nullptr);
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

}  // namespace harness
