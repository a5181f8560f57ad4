// Score a Roster driven through the real dialogs, as a clerk goes through
// them: the system menu's entry, the standard Open dialog, the summary, the
// printing progress and the message box. Each step waits for its dialog,
// from inside the dialogs' own message loops.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <commdlg.h>

#include <cstdlib>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "roster/core/dialog_layout.h"
#include "roster/win32/roster_resources.h"
#include "shell/core/print_setup.h"
#include "shell/resources/shell_resources.h"
#include "shell/tests/win32_harness.h"
#include "shell/win32/observer.h"

namespace harness {

// Counts into `count` the alerts the program sounds, until Stop or its end.
class AlertsCounted {
 public:
  explicit AlertsCounted(int& count) {
    observer_.alerted = [&count] { ++count; };
    shell::Observe(&observer_);
  }
  ~AlertsCounted() { Stop(); }
  AlertsCounted(const AlertsCounted&) = delete;
  AlertsCounted& operator=(const AlertsCounted&) = delete;
  void Stop() { shell::Observe(nullptr); }

 private:
  shell::Observer observer_;
};

inline bool IsOpenDialog(HWND dialog) {
  return GetDlgItem(dialog, 1148) != nullptr;  // the file name box (cmb13)
}
inline bool IsSummary(HWND dialog) {
  return GetDlgItem(dialog, roster::kRosterRefusedId) != nullptr;
}
inline bool IsScoring(HWND dialog) {
  return GetDlgItem(dialog, roster::kRosterProgressId) != nullptr &&
         TextOf(dialog) == "Scoring a Roster";
}
inline bool IsPrinting(HWND dialog) {
  return GetDlgItem(dialog, roster::kRosterProgressId) != nullptr &&
         TextOf(dialog) == "Print Reports";
}
inline bool IsMessageBox(HWND dialog) {
  return GetDlgItem(dialog, 0xFFFF) != nullptr;  // its text
}

inline std::string ItemText(HWND dialog, int id) {
  return TextOf(GetDlgItem(dialog, id));
}

// A text a dialog shows in rows, as one line again: the rows joined by a
// blank, or by nothing after a hyphen.
inline std::string Unwrapped(std::string text) {
  for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at)) {
    const bool hyphen = at > 0 && text[at - 1] == '-';
    text.replace(at, 2, hyphen ? "" : " ");
  }
  return text;
}

// The lines of a list box (none when the dialog has no such list).
inline std::vector<std::string> ListLines(HWND dialog, int id) {
  std::vector<std::string> lines;
  HWND list = GetDlgItem(dialog, id);
  const int count = list != nullptr ? static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0)) : 0;
  for (int i = 0; i < count; ++i) {
    std::string line(
        static_cast<std::size_t>(SendMessageA(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0)),
        '\0');
    SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(line.data()));
    lines.push_back(line);
  }
  return lines;
}

inline void Click(HWND dialog, int id) {
  SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

// The control of `dialog` that has the keyboard: the dialog itself while
// another program has the activation.
inline HWND KeyTarget(HWND dialog) {
  HWND focus = GetFocus();
  return focus != nullptr && IsChild(dialog, focus) ? focus : dialog;
}

inline void PressKeyIn(HWND dialog, UINT key) {
  PostMessageA(KeyTarget(dialog), WM_KEYDOWN, key, 1);
}

inline void PressAltIn(HWND dialog, char letter) {
  PostMessageA(KeyTarget(dialog), WM_SYSCHAR, static_cast<unsigned char>(letter),
               static_cast<LPARAM>(1 | (1 << 29)));
}

// Types the path into the Open dialog's file name box and presses Open.
// `startedIn`, when given, gets the folder the dialog started in.
inline DialogStep ChooseFile(const std::string& path, std::string* startedIn = nullptr) {
  return [path, startedIn](HWND dialog) {
    if (!IsOpenDialog(dialog)) {
      return false;
    }
    if (startedIn != nullptr) {
      // The dialog is a Unicode one: it answers in UTF-16.
      wchar_t wide[MAX_PATH] = {};
      SendMessageW(dialog, CDM_GETFOLDERPATH, MAX_PATH, reinterpret_cast<LPARAM>(wide));
      char folder[MAX_PATH] = {};
      WideCharToMultiByte(CP_ACP, 0, wide, -1, folder, sizeof folder, nullptr, nullptr);
      *startedIn = folder;
    }
    HWND box = GetDlgItem(dialog, 1148);
    HWND edit = FindWindowExA(box, nullptr, "ComboBox", nullptr);
    edit = FindWindowExA(edit != nullptr ? edit : box, nullptr, "Edit", nullptr);
    SetWindowTextA(edit != nullptr ? edit : box, path.c_str());
    Click(dialog, IDOK);
    return true;
  };
}

// What the summary dialog shows.
struct SummaryShown {
  std::string roster;
  std::vector<std::string> figures;  // "Rows read: 7"
  std::vector<std::string> notes;    // warnings and notes
  std::vector<std::string> refused;  // the rows to correct
  std::string results;
  std::string date;                // the reports'
  std::vector<std::string> wider;  // figures' labels wider than their place
};

// Whether a text control's text, in its own font, is wider than the control.
inline bool WiderThanItsPlace(HWND text) {
  const std::string shown = TextOf(text);
  RECT box{};
  GetClientRect(text, &box);
  HDC dc = GetDC(text);
  const HGDIOBJ font =
      SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(text, WM_GETFONT, 0, 0)));
  SIZE size{};
  GetTextExtentPoint32A(dc, shown.c_str(), static_cast<int>(shown.size()), &size);
  if (font != nullptr) {
    SelectObject(dc, font);
  }
  ReleaseDC(text, dc);
  return size.cx > box.right;
}

inline SummaryShown ReadSummary(HWND dialog) {
  SummaryShown shown;
  shown.roster = ItemText(dialog, roster::kRosterNameId);
  for (int id = roster::kRosterFiguresId; GetDlgItem(dialog, id) != nullptr; id += 2) {
    shown.figures.push_back(ItemText(dialog, id) + " " + ItemText(dialog, id + 1));
    if (WiderThanItsPlace(GetDlgItem(dialog, id))) {
      shown.wider.push_back(ItemText(dialog, id));
    }
  }
  shown.notes = ListLines(dialog, roster::kRosterNotesId);
  shown.refused = ListLines(dialog, roster::kRosterRefusedId);
  shown.results = ItemText(dialog, roster::kRosterResultsId);
  shown.date = ItemText(dialog, roster::kRosterDateId);
  return shown;
}

// The summary read, then `then` (which closes it when it returns true).
inline DialogStep OnSummary(SummaryShown& shown, std::function<bool(HWND)> then) {
  return [&shown, then](HWND dialog) {
    if (!IsSummary(dialog)) {
      return false;
    }
    shown = ReadSummary(dialog);
    return then(dialog);
  };
}

// The message box read and answered (OK, or Yes or No).
inline DialogStep OnMessageBox(std::string& text, int answer = IDOK) {
  return [&text, answer](HWND dialog) {
    if (!IsMessageBox(dialog)) {
      return false;
    }
    text = ItemText(dialog, 0xFFFF);
    PostMessageA(dialog, WM_COMMAND, static_cast<WPARAM>(answer), 0);
    return true;
  };
}

// Opens Score a Roster from the system menu.
inline void ChooseScoreARoster() {
  SendMessageA(shell::App().mainWindow, WM_SYSCOMMAND, IDM_SCORE_ROSTER, 0);
  Pump();
}

inline std::string FileBytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

inline void WriteFileBytes(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

// A fresh folder of this test's own under the temporary folder.
inline std::string WorkFolder(const char* name) {
  char temp[MAX_PATH];
  GetTempPathA(sizeof temp, temp);
  std::string folder = std::string(temp) + name + "-" + std::to_string(GetCurrentProcessId());
  CreateDirectoryA(folder.c_str(), nullptr);
  return folder + "\\";
}

// Runs a program beside this test's, in `folder`; its exit status.
inline DWORD RunBeside(const char* program, const std::string& arguments,
                       const std::string& folder) {
  char self[MAX_PATH];
  GetModuleFileNameA(nullptr, self, sizeof self);
  std::string path(self);
  path = path.substr(0, path.find_last_of('\\') + 1) + program;
  std::string line = "\"" + path + "\" " + arguments;
  STARTUPINFOA start{};
  start.cb = sizeof start;
  PROCESS_INFORMATION process{};
  if (CreateProcessA(path.c_str(), line.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                     folder.c_str(), &start, &process) == FALSE) {
    return 255;
  }
  WaitForSingleObject(process.hProcess, 60000);
  DWORD status = 255;
  GetExitCodeProcess(process.hProcess, &status);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return status;
}

// What every field of the main window holds.
inline std::vector<std::string> FieldTexts() {
  const shell::AppState& app = shell::App();
  std::vector<std::string> texts;
  for (int id = 0; id < app.fields.slots; ++id) {
    if (HWND field = app.fields.At(id); field != nullptr && IsChild(app.mainWindow, field)) {
      texts.push_back(TextOf(field));
    }
  }
  return texts;
}

// A roster for the window to score, and what it must show.
struct RosterCase {
  const char* file;  // its name in the work folder
  std::string roster;
  std::vector<std::string> figures;  // the summary's, "Rows read: 7"
  // The start of each of the lists' first lines: the rows to correct, the
  // warnings and notes.
  std::vector<std::string> refused;
  std::vector<std::string> notes = {};
  std::string problem = {};  // for a roster that cannot be used: part of the message
};

inline std::string ResultsOf(const std::string& roster) {
  return roster.substr(0, roster.rfind('.')) + "-results.csv";
}

// Whether anything of the results (the file, or a temporary one) exists.
inline bool AnyResults(const std::string& roster) {
  WIN32_FIND_DATAA found;
  HANDLE find = FindFirstFileA((ResultsOf(roster) + "*").c_str(), &found);
  if (find == INVALID_HANDLE_VALUE) {
    return false;
  }
  FindClose(find);
  return true;
}

// Each roster scored through the window: the summary or the message as the
// case says, the results written as the console program `console` writes
// them for the same roster, the focus back where it was. Enter closes the
// summary of the first, Escape the others'.
inline void ScoreEachRoster(const char* console, const std::vector<RosterCase>& cases) {
  const std::string folder = WorkFolder("score-roster");
  bool first = true;
  for (const RosterCase& c : cases) {
    SCOPED_TRACE(c.file);
    const std::string path = folder + c.file;
    WriteFileBytes(path, c.roster);
    const int focused = FocusedId();
    const std::vector<std::string> fields = FieldTexts();
    int alerts = 0;
    AlertsCounted counted(alerts);
    SummaryShown shown;
    std::string message;
    std::string startedIn;
    const UINT key = first ? VK_RETURN : VK_ESCAPE;
    const bool done = RunDialogs(
        &ChooseScoreARoster,
        {ChooseFile(path, &startedIn),
         c.problem.empty() ? OnSummary(shown,
                                       [key](HWND dialog) {
                                         // From the list: the
                                         // default button closes.
                                         SetFocus(GetDlgItem(dialog, roster::kRosterRefusedId));
                                         PressKeyIn(dialog, key);
                                         return true;
                                       })
                           : OnMessageBox(message)});
    counted.Stop();
    EXPECT_TRUE(done);
    if (!first) {  // in the folder of the roster chosen before
      EXPECT_EQ(startedIn + "\\", folder);
    }
    first = false;
    EXPECT_EQ(FocusedId(), focused);
    EXPECT_EQ(FieldTexts(), fields);
    EXPECT_TRUE(IsWindowEnabled(shell::App().mainWindow));
    if (!c.problem.empty()) {
      EXPECT_NE(message.find(c.problem), std::string::npos) << message;
      EXPECT_EQ(alerts, 1);
      EXPECT_FALSE(AnyResults(path));
      continue;
    }
    EXPECT_EQ(alerts, 0);
    EXPECT_EQ(shown.roster, c.file);
    EXPECT_EQ(shown.figures, c.figures);
    EXPECT_EQ(shown.wider, std::vector<std::string>{});
    for (const auto& [lines, starts] :
         {std::pair{&shown.refused, &c.refused}, std::pair{&shown.notes, &c.notes}}) {
      ASSERT_EQ(lines->size(), starts->size());
      for (std::size_t i = 0; i < starts->size(); ++i) {
        EXPECT_EQ((*lines)[i].substr(0, (*starts)[i].size()), (*starts)[i]);
      }
    }
    EXPECT_EQ(shown.results, ResultsOf(path));
    EXPECT_EQ(shown.date, shell::TodaysDate());
    const DWORD status =
        RunBeside(console, "-o console.csv -- \"" + std::string(c.file) + "\"", folder);
    EXPECT_EQ(status, shown.figures[2] == "Refused: 0" ? 0u : 1u);
    EXPECT_EQ(FileBytes(ResultsOf(path)), FileBytes(folder + "console.csv"));
  }
}

// Presses Cancel the moment the printing dialog names its first page, while
// it is installed.
class CancelAtFirstPage {
 public:
  CancelAtFirstPage()
      : hook_(SetWindowsHookExW(WH_CALLWNDPROC, &Watch, nullptr, GetCurrentThreadId())) {}
  ~CancelAtFirstPage() { UnhookWindowsHookEx(hook_); }
  CancelAtFirstPage(const CancelAtFirstPage&) = delete;
  CancelAtFirstPage& operator=(const CancelAtFirstPage&) = delete;

 private:
  static LRESULT CALLBACK Watch(int code, WPARAM wParam, LPARAM lParam) {
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && call->message == WM_SETTEXT && call->lParam != 0 &&
        GetDlgCtrlID(call->hwnd) == roster::kRosterStatusId &&
        std::wstring_view(reinterpret_cast<const wchar_t*>(call->lParam))
            .starts_with(L"Printing 1 of")) {
      PostMessageA(GetDlgItem(GetParent(call->hwnd), roster::kRosterCloseId), BM_CLICK, 0, 0);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }
  HHOOK hook_;
};

// The printing dialog's last line, once the run has ended; then `key` closes it.
inline DialogStep OnPrintingEnd(std::vector<std::string>& ends, UINT key = VK_RETURN) {
  return [&ends, key](HWND dialog) {
    const std::string status = IsPrinting(dialog) ? ItemText(dialog, roster::kRosterStatusId) : "";
    if (status.empty() || status.starts_with("Printing ")) {
      return false;
    }
    ends.push_back(Unwrapped(status));
    PressKeyIn(dialog, key);
    return true;
  };
}

// In the summary, Alt+`letter` (after `before`).
inline DialogStep OnSummaryPress(char letter, std::function<void(HWND)> before = {}) {
  return [letter, before](HWND dialog) {
    if (!IsSummary(dialog)) {
      return false;
    }
    if (before) {
      before(dialog);
    }
    PressAltIn(dialog, letter);
    return true;
  };
}

// The reports of `roster` (its soldiers' rank PRINT_RANK, the first soldier
// on line 2, one soldier `shortSsn` whose SSN the boxes cannot hold)
// printed from its summary: all `count` of them with the date REPORTS_DATE
// set in the summary, then once more cancelled as the first page prints,
// then on a printer that refuses every job, which sounds the alert once and
// says so.
inline void PrintFromSummary(const std::function<std::string(const std::string&)>& roster,
                             int count, const std::string& firstSoldier,
                             const std::string& shortSsn) {
  const char* rank = std::getenv("PRINT_RANK");
  ASSERT_TRUE(rank != nullptr) << "PRINT_RANK names no rank to mark this run's reports";
  const char* date = std::getenv("REPORTS_DATE");
  ASSERT_TRUE(date != nullptr) << "REPORTS_DATE names no date for this run's reports";
  std::vector<std::string> ends;
  int alerts = 0;
  const char* refusing = std::getenv("REFUSING_PRINTER");
  ASSERT_TRUE(refusing != nullptr && *refusing != '\0') << "REFUSING_PRINTER names no printer";
  const std::string printer = std::string(refusing) + ",wineps.drv,CUPS:" + refusing;
  const std::string path = WorkFolder("print-roster") + "roster.csv";
  WriteFileBytes(path, roster(rank));
  std::string saved;
  std::unique_ptr<CancelAtFirstPage> cancel;
  AlertsCounted counted(alerts);
  const bool done = RunDialogs(
      &ChooseScoreARoster,
      {
          ChooseFile(path),
          OnSummaryPress(
              'p', [date](HWND dialog) { SetDlgItemTextA(dialog, roster::kRosterDateId, date); }),
          OnPrintingEnd(ends),
          OnSummaryPress('p', [&](HWND) { cancel = std::make_unique<CancelAtFirstPage>(); }),
          OnPrintingEnd(ends, VK_ESCAPE),
          OnSummaryPress('p',
                         [&](HWND) {
                           cancel.reset();
                           saved = SetDefaultPrinter(printer);
                         }),
          OnPrintingEnd(ends),
          OnSummaryPress('c', [&](HWND) { SetDefaultPrinter(saved); }),
      },
      120);
  counted.Stop();
  EXPECT_TRUE(done);
  const std::string of = " of " + std::to_string(count) + " reports printed.";
  EXPECT_EQ(ends, (std::vector<std::string>{
                      std::to_string(count) +
                          " reports printed. 1 report holds only the SSN digits its boxes take: " +
                          shortSsn + ".",
                      "Cancelled: 1" + of,
                      "The report of line 2 (" + firstSoldier +
                          ") was not printed: the default printer did not take the page; 0" + of}));
  EXPECT_EQ(alerts, 1);
}

// "Score a R&oster..." stands between the separator and "&About...".
inline void ExpectEntryAboveAbout() {
  HMENU menu = GetSystemMenu(shell::App().mainWindow, FALSE);
  const int count = GetMenuItemCount(menu);
  ASSERT_GE(count, 3);
  char text[64] = {};
  GetMenuStringA(menu, static_cast<UINT>(count - 2), text, sizeof text, MF_BYPOSITION);
  EXPECT_STREQ(text, "Score a R&oster...");
  EXPECT_EQ(GetMenuItemID(menu, count - 2), static_cast<UINT>(IDM_SCORE_ROSTER));
  EXPECT_EQ(GetMenuItemID(menu, count - 1), static_cast<UINT>(IDM_ABOUT));
  EXPECT_EQ(GetMenuState(menu, static_cast<UINT>(count - 3), MF_BYPOSITION) & MF_SEPARATOR,
            static_cast<UINT>(MF_SEPARATOR));
}

inline INT_PTR CALLBACK BareDialogProc(HWND, UINT message, WPARAM, LPARAM) {
  return message == WM_INITDIALOG ? TRUE : FALSE;
}

// The roster's dialog templates in the program's resources: each builds
// its dialog with its caption, no close box, sizing border, minimize or
// maximize box, and no control (its procedure makes them all).
inline void ExpectBareRosterDialogs() {
  for (const auto& [name, caption] : {std::pair{RES_DIALOG_SCORING, "Scoring a Roster"},
                                      std::pair{RES_DIALOG_ROSTER, "Roster Scored"},
                                      std::pair{RES_DIALOG_PRINTING, "Print Reports"}}) {
    SCOPED_TRACE(name);
    HWND dialog = CreateDialogParamA(GetModuleHandleA(nullptr), name, nullptr, &BareDialogProc, 0);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(TextOf(dialog), caption);
    const DWORD style = static_cast<DWORD>(GetWindowLongA(dialog, GWL_STYLE));
    EXPECT_EQ(style & (WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0u);
    EXPECT_EQ(style & WS_CAPTION, static_cast<DWORD>(WS_CAPTION));
    EXPECT_EQ(GetWindow(dialog, GW_CHILD), nullptr);
    DestroyWindow(dialog);
  }
}

// A key of the classes root stood in for as long as this lives: it holds
// only the default values given, by subkey ("" for the key itself); then
// what it held before comes back.
class ClassStandIn {
 public:
  ClassStandIn(std::string key, const std::vector<std::pair<std::string, std::string>>& values)
      : key_(std::move(key)), saved_("Software\\CalcTest\\Saved\\" + key_) {
    HKEY existing = nullptr;
    had_ = RegOpenKeyExA(HKEY_CLASSES_ROOT, key_.c_str(), 0, KEY_READ, &existing) == ERROR_SUCCESS;
    if (had_) {
      HKEY copy = nullptr;
      RegCreateKeyExA(HKEY_CURRENT_USER, saved_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                      &copy, nullptr);
      RegCopyTreeA(existing, nullptr, copy);
      RegCloseKey(copy);
      RegCloseKey(existing);
      RegDeleteTreeA(HKEY_CLASSES_ROOT, key_.c_str());
    }
    for (const auto& [subkey, value] : values) {
      const std::string path = subkey.empty() ? key_ : key_ + "\\" + subkey;
      RegSetValueA(HKEY_CLASSES_ROOT, path.c_str(), REG_SZ, value.c_str(),
                   static_cast<DWORD>(value.size()));
    }
  }
  ~ClassStandIn() {
    RegDeleteTreeA(HKEY_CLASSES_ROOT, key_.c_str());
    if (had_) {
      HKEY restored = nullptr;
      HKEY copy = nullptr;
      RegCreateKeyExA(HKEY_CLASSES_ROOT, key_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                      &restored, nullptr);
      RegOpenKeyExA(HKEY_CURRENT_USER, saved_.c_str(), 0, KEY_READ, &copy);
      RegCopyTreeA(copy, nullptr, restored);
      RegCloseKey(copy);
      RegCloseKey(restored);
      RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\CalcTest");
    }
  }
  ClassStandIn(const ClassStandIn&) = delete;
  ClassStandIn& operator=(const ClassStandIn&) = delete;

 private:
  std::string key_;
  std::string saved_;
  bool had_ = false;
};

// Waits a few seconds for a file a command started by the shell writes:
// for it to stand there with something in it (the command creates it
// before it writes, and a loaded machine may take a while between).
inline void AwaitFile(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  for (int i = 0;
       i < 100 && (GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data) == FALSE ||
                   (data.nFileSizeLow == 0 && data.nFileSizeHigh == 0));
       ++i) {
    Sleep(100);
  }
  Sleep(200);  // its last bytes
}

// Open Results asks the shell to open the results file: CSV files are given
// for the test to a command that copies what it is asked to open.
inline void OpenResultsFromSummary(const std::string& roster) {
  const std::string folder = WorkFolder("open-results");
  const std::string path = folder + "roster.csv";
  const std::string opened = folder + "opened.csv";
  WriteFileBytes(path, roster);
  bool done = false;
  {
    const ClassStandIn csv(".csv", {{"", "CalcTest.Results"}});
    const ClassStandIn results("CalcTest.Results", {{"shell\\open\\command",
                                                     "cmd.exe /c copy \"%1\" \"" + opened + "\""}});
    done = RunDialogs(&ChooseScoreARoster,
                      {ChooseFile(path), OnSummaryPress('o'), OnSummaryPress('c')});
    AwaitFile(opened);
  }
  EXPECT_TRUE(done);
  EXPECT_EQ(FileBytes(opened), FileBytes(ResultsOf(path)));
  EXPECT_FALSE(FileBytes(opened).empty());
}

}  // namespace harness
