#include "vorna/win32/replay.h"

#include "shell/win32/app.h"
#include "shell/win32/beeper.h"
#include "shell/win32/fields.h"
#include "vorna/win32/entries.h"
#include "vorna/win32/main_window.h"
#include "vorna/win32/paint.h"

namespace vorna {

namespace {

void CarryOut(HWND window, const Request& request) {
  FitnessTestWindow& w = Window();
  switch (request.kind) {
    case RequestKind::ClearMessageLine:
      DrawOnWindow(window, [&](HDC dc) { DrawMessageLineOn(dc, w.layout); });
      w.messageOnLine = 0;
      break;
    case RequestKind::SetFieldText:
      // The results were worked out with this text already; its change
      // notification must not wipe them.
      w.rewriting = true;
      shell::SetFieldText(shell::App().fields.At(request.target), request.text.c_str());
      w.rewriting = false;
      break;
    case RequestKind::PaintLabel:
      DrawOnWindow(
          window, [&](HDC dc) { DrawResultLabelOn(dc, w.layout, request.target, request.colour); });
      break;
    case RequestKind::PaintResult:
      DrawOnWindow(window, [&](HDC dc) {
        DrawResultOn(dc, w.layout, request.target, request.text.c_str(), request.colour);
      });
      break;
    case RequestKind::ShowMessage:
      DrawOnWindow(window,
                   [&](HDC dc) { DrawMessageOn(dc, w.layout, request.target, request.colour); });
      w.messageOnLine = request.target;
      w.messageColour = request.colour;
      break;
    case RequestKind::Alert:
      shell::Alert();
      break;
    case RequestKind::EnablePrint:
      EnableWindow(w.printButton, TRUE);
      break;
    case RequestKind::Focus:
      if (HWND field = shell::App().fields.At(request.target)) {
        SetFocus(field);
      }
      break;
  }
}

}  // namespace

void Replay(HWND window, const RequestLog& requests) {
  for (const Request& request : requests) {
    CarryOut(window, request);
  }
}

void Calculate(HWND window) {
  RequestLog requests;
  {
    const EntryFields entries;
    EvaluateScores(Window().state, entries.texts(), requests);
  }
  Replay(window, requests);
}

}  // namespace vorna
