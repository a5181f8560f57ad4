// A roster scored from the window with its progress shown: the roster
// programs' own run into the same results file, a look at what the clerk
// did every so many rows, and Cancel stopping it before the results are
// written (the run's temporary file is removed, the old results stay).
#include <windows.h>

#include <algorithm>

#include "roster/core/dialog_layout.h"
#include "roster/core/summary_view.h"
#include "roster/win32/files.h"
#include "roster/win32/roster_progress.h"
#include "roster/win32/roster_resources.h"
#include "roster/win32/roster_session.h"
#include "shell/win32/app.h"

namespace roster {

namespace {

constexpr UINT kStartScoring = WM_APP;
// Rows scored between two looks at what the clerk did.
constexpr int kRowsPerLook = 256;
// How often the text and the bar change, at most.
constexpr DWORD kRedrawMs = 100;
// A roster scored sooner than this shows no dialog at all.
constexpr DWORD kShowAfterMs = 300;
// The bar's range: a thousandth of the roster's bytes a step.
constexpr int kBarSteps = 1000;

struct ScoringState {
  const RosterProgram* program = nullptr;
  const std::string* input = nullptr;
  ScoredFile run;
  long long size = 0;  // the roster's bytes
  long long read = 0;  // read so far
  bool cancelled = false;
};

ScoringState& State() {
  static ScoringState state;
  return state;
}

// The Windows files, counting the roster's bytes as they are read.
bool ReadCounting(const std::string& path, const std::function<void(const ByteReader&)>& read,
                  std::string& why) {
  return ReadRosterFile(
      path,
      [&read](const ByteReader& reader) {
        read([&reader](char* buffer, std::size_t capacity, std::string& readWhy) {
          const std::ptrdiff_t got = reader(buffer, capacity, readWhy);
          State().read += std::max<std::ptrdiff_t>(got, 0);
          return got;
        });
      },
      why);
}

void ScoreAll(HWND dialog) {
  ScoringState& state = State();
  Platform platform = WindowsPlatform();
  platform.readFile = &ReadCounting;
  Options options;
  options.input = *state.input;
  options.canNameOutput = false;
  const DWORD start = GetTickCount();
  DWORD drawn = start;
  int rows = 0;
  state.run = ScoreRosterFile(*state.program, platform, options, [&](const ScoredRow&) {
    if (++rows % kRowsPerLook != 0) {
      return true;
    }
    const DWORD now = GetTickCount();
    if (now - drawn >= kRedrawMs) {
      drawn = now;
      SetProgressText(dialog, ScoringText(*state.input, rows));
      SetProgressPosition(dialog, BarPosition(state.read, state.size, kBarSteps));
      if (IsWindowVisible(dialog) == FALSE && now - start >= kShowAfterMs) {
        ShowWindow(dialog, SW_SHOW);
      }
    }
    if (!HandlePending(dialog)) {
      state.cancelled = true;
    }
    return !state.cancelled;
  });
  EndDialog(dialog, 0);
}

}  // namespace

ScoredFile ScoreWithProgress(HWND owner, const RosterProgram& program, const std::string& input,
                             bool& cancelled) {
  const FileStamp stamp = StampOf(input);
  State() = {&program, &input, {}, static_cast<long long>(stamp.sizeHigh) << 32 | stamp.sizeLow};
  DialogBoxParamA(shell::App().instance, RES_DIALOG_SCORING, owner, &ScoringProc, 0);
  ScoringState& state = State();
  // Cancel pressed after the last row is too late to stop anything.
  cancelled = state.cancelled && state.run.summary.failure == RosterFailure::Stopped;
  return std::move(state.run);
}

}  // namespace roster

INT_PTR CALLBACK ScoringProc(HWND dialog, UINT message, WPARAM wParam, LPARAM /*lParam*/) {
  switch (message) {
    case WM_INITDIALOG:
      roster::CreateProgressControls(dialog, roster::kBarSteps);
      roster::SetProgressText(dialog, roster::ScoringText(*roster::State().input, 0));
      PostMessageA(dialog, roster::kStartScoring, 0, 0);
      return FALSE;  // the focus is on Cancel already
    case roster::kStartScoring:
      roster::ScoreAll(dialog);
      return TRUE;
    case WM_COMMAND:
      // Cancel, Alt+C or Escape; Enter cancels nothing by accident.
      if (LOWORD(wParam) == roster::kRosterCloseId) {
        roster::State().cancelled = true;
        EnableWindow(GetDlgItem(dialog, roster::kRosterCloseId), FALSE);
        return TRUE;
      }
      return FALSE;
    default:
      return FALSE;
  }
}
