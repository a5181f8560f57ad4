#include "roster/win32/roster_window.h"

#include <commdlg.h>

#include <vector>

#include "roster/core/summary_view.h"
#include "roster/win32/files.h"
#include "roster/win32/late_calls.h"
#include "roster/win32/roster_resources.h"
#include "roster/win32/roster_session.h"
#include "roster/win32/text.h"
#include "shell/resources/shell_resources.h"
#include "shell/win32/beeper.h"

namespace roster {

namespace {

const RosterProgram* rosterProgram = nullptr;
std::wstring lastFolder;  // where the last roster was chosen, for the session

// The standard Open dialog for a CSV file; "" when the clerk cancels.
std::string ChooseRoster(HWND owner) {
  std::vector<wchar_t> file(32768, L'\0');  // the longest path Windows names
  OPENFILENAMEW choice{};
  choice.lStructSize = sizeof choice;
  choice.hwndOwner = owner;
  choice.lpstrFilter = L"CSV files (*.csv)\0*.csv\0All files (*.*)\0*.*\0";
  choice.nFilterIndex = 1;
  choice.lpstrFile = file.data();
  choice.nMaxFile = static_cast<DWORD>(file.size());
  choice.lpstrInitialDir = lastFolder.empty() ? nullptr : lastFolder.c_str();
  choice.lpstrTitle = L"Score a Roster";
  choice.lpstrDefExt = L"csv";
  choice.Flags =
      OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
  if (late::GetOpenFileNameW(&choice) == FALSE) {
    if (const DWORD error = late::CommDlgExtendedError(); error != 0) {
      TellRosterProblem(owner, "The Open dialog failed (error " + std::to_string(error) + ").");
    }
    return {};
  }
  const std::wstring path(file.data());
  lastFolder = path.substr(0, choice.nFileOffset);
  return WideToUtf8(path);
}

}  // namespace

FileStamp StampOf(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  FileStamp stamp;
  if (GetFileAttributesExW(Utf8ToWide(path).c_str(), GetFileExInfoStandard, &data) != FALSE) {
    stamp = {true, data.ftLastWriteTime.dwLowDateTime, data.ftLastWriteTime.dwHighDateTime,
             data.nFileSizeLow, data.nFileSizeHigh};
  }
  return stamp;
}

Platform RosterPlatform() {
  // The window prints through its own progress dialog and says what it
  // has to say in dialogs.
  return WindowsPlatform();
}

void TellRosterProblem(HWND owner, const std::string& text, bool alerted) {
  DiscardTypedAhead();
  if (!alerted) {
    shell::Alert();
  }
  MessageBoxW(owner, DisplayText(text).c_str(), L"Score a Roster", MB_OK | MB_ICONEXCLAMATION);
}

void TellRoster(HWND owner, const std::string& text) {
  DiscardTypedAhead();
  MessageBoxW(owner, DisplayText(text).c_str(), L"Score a Roster", MB_OK | MB_ICONINFORMATION);
}

bool AskRoster(HWND owner, const std::string& text, bool problem) {
  DiscardTypedAhead();
  if (problem) {
    shell::Alert();
  }
  // After a problem, Yes is the way on; asked to confirm, No is the safe answer.
  const UINT kind = problem ? MB_ICONEXCLAMATION | MB_DEFBUTTON1 : MB_ICONQUESTION | MB_DEFBUTTON2;
  return MessageBoxW(owner, DisplayText(text).c_str(), L"Score a Roster", MB_YESNO | kind) == IDYES;
}

void DiscardTypedAhead() {
  MSG message;
  while (PeekMessageA(&message, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE)) {
  }
}

void AddRosterEntry(HWND window, const RosterProgram& program) {
  rosterProgram = &program;
  InsertMenuA(GetSystemMenu(window, FALSE), IDM_ABOUT, MF_BYCOMMAND | MF_STRING, IDM_SCORE_ROSTER,
              "Score a R&oster...");
}

void ScoreRosterFromMenu(HWND window) {
  if (rosterProgram != nullptr) {
    RosterSession session;
    session.program = rosterProgram;
    session.input = ChooseRoster(window);
    if (!session.input.empty()) {
      session.stamp = StampOf(session.input);
      const bool hadResults = StampOf(DefaultOutputPath(session.input)).found;
      bool cancelled = false;
      session.run = ScoreWithProgress(window, *rosterProgram, session.input, cancelled);
      if (cancelled) {
        TellRoster(window, ScoringCancelledText(session.run.output, hadResults));
      } else if (!session.run.error.empty()) {
        TellRosterProblem(window, session.run.error);
      } else {
        ShowRosterSummary(window, session);
      }
    }
  }
  // The dialogs gave the window back its activation, and with it the focus;
  // make sure of it.
  if (IsChild(window, GetFocus()) == FALSE) {
    SetFocus(window);
  }
}

bool AnswerRosterEntry(HWND window, UINT message, WPARAM wParam) {
  if (message != WM_SYSCOMMAND || LOWORD(wParam) != IDM_SCORE_ROSTER) {
    return false;
  }
  ScoreRosterFromMenu(window);
  return true;
}

}  // namespace roster
