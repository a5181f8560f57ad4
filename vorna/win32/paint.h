// Everything VORNA paints on its window, drawn into a given device context:
// the window's own (a repaint, or one piece after a command) or a bitmap's.
#pragma once

#include <windows.h>

#include "vorna/core/state.h"
#include "vorna/core/window_layout.h"
#include "vorna/win32/main_window.h"

namespace vorna {

// The whole window as the state stands: panels, frames, labels, Male Only,
// results, chart title and header. `message` is what stands on the message
// line (0 for nothing), in its colour.
void PaintWindowOn(HDC dc, const FitnessTestWindow& window, int message, Rgb colour = kBlack);

// The message line empty, and a message on it.
void DrawMessageLineOn(HDC dc, const WindowLayout& layout);
void DrawMessageOn(HDC dc, const WindowLayout& layout, int message, Rgb colour = kBlack);

// A result box's label ("Points", "Total", "Scaled") in a colour.
void DrawResultLabelOn(HDC dc, const WindowLayout& layout, int box, Rgb colour);
// A figure in its result box, over the box drawn empty.
void DrawResultOn(HDC dc, const WindowLayout& layout, int box, const char* text, Rgb colour);
// A result box drawn empty, its label grey.
void WipeResultOn(HDC dc, const WindowLayout& layout, int box);

// The chart's title and header, and both wiped.
void DrawChartTitleOn(HDC dc, const WindowLayout& layout, const char* title);
void DrawChartHeaderOn(HDC dc, const WindowLayout& layout, const char* header);
void WipeChartTitleOn(HDC dc, const WindowLayout& layout);

}  // namespace vorna
