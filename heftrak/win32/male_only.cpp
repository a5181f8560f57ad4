// The "Male Only" option: a painted box and label, toggled by a click on it,
// by Alt+M and by the window itself.
#include "heftrak/core/window_layout.h"
#include "heftrak/win32/window_parts.h"
#include "shell/core/drawing_geometry.h"
#include "shell/win32/app.h"
#include "shell/win32/drawing.h"
#include "shell/win32/fields.h"
#include "shell/win32/gdi.h"
#include "shell/win32/text.h"

namespace heftrak {

namespace {

shell::MarkedOption OptionOf(const WeightControlWindow& w) {
  return MaleOnlyOption(MaleOnlyFor(shell::App().grid), w.maleOnlyClickWidth);
}

// Paints every dot of the outline in the panel's face colour again.
void EraseOutlineOn(HDC dc, const WeightControlWindow& w) {
  const shell::LayoutGrid& g = shell::App().grid;
  std::vector<shell::FilledRect> dots;
  for (const shell::Point& p : shell::OptionOutlinePoints(OptionOf(w), g.QX, g.QY)) {
    // With the null pen a rectangle covers one pixel short of right and bottom.
    dots.push_back({p.x, p.y, p.x + 2, p.y + 2, shell::Brush::LightGrey});
  }
  shell::FillRectsOn(dc, dots);
}

void RepaintOption(HWND window, bool eraseOutline) {
  shell::WindowDC dc(window);
  if (dc) {
    RedrawMaleOnlyOn(dc.get(), Window(), eraseOutline);
  }
}

void RedrawSexFrame(HWND window) {
  shell::DrawFieldFrame(SexFieldFrame(shell::App().grid), window);
}

void SwitchOn(HWND window) {
  WeightControlWindow& w = Window();
  HWND sexField = shell::App().fields.At(kSex);
  char sex[2] = {};
  shell::ReadFieldText(sexField, sex, sizeof sex);
  w.state.sex = sex[0];
  w.maleOnly = true;
  RepaintOption(window, false);
  if (w.state.sex == 'M') {
    return;
  }
  w.state.sex = 'M';
  SendMessageA(sexField, EM_SETSEL, 0, -1);
  MoveFocus(kSex);
  w.settingSex = true;
  shell::SetFieldText(sexField, "M");
  w.settingSex = false;
  RedrawSexFrame(window);
}

}  // namespace

void MeasureMaleOnly(HWND window) {
  WeightControlWindow& w = Window();
  shell::WindowDC dc(window);
  if (dc) {
    w.maleOnlyClickWidth = shell::TextWidth(dc.get(), kMaleOnlyClickText);
    w.maleOnlyUnderlineWidth = shell::TextWidth(dc.get(), kMaleOnlyUnderlined);
  }
}

void PaintMaleOnlyOn(HDC dc, const WeightControlWindow& w) {
  const shell::AppState& app = shell::App();
  const MaleOnlyPlace place = MaleOnlyFor(app.grid);
  shell::TextAt(dc, place.labelLeft, place.boxTop, kMaleOnlyLabel, shell::TextAlign::Left,
                w.colours.black);
  {
    shell::Selection pen(dc, GetStockObject(BLACK_PEN));
    MoveToEx(dc, place.labelLeft, place.underlineY, nullptr);
    LineTo(dc, place.labelLeft + w.maleOnlyUnderlineWidth, place.underlineY);
  }
  shell::FillRectsOn(
      dc, shell::FieldFrameRects(place.boxLeft, place.boxTop, place.side, place.side, 0, 1));
  if (w.maleOnly) {
    shell::BlitDotsOn(dc, app.dot22, 2,
                      shell::CrossPoints(place.boxLeft, place.boxTop, place.side, place.side));
    shell::BlitDotsOn(dc, app.dot11, 1,
                      shell::OptionOutlinePoints(OptionOf(w), app.grid.QX, app.grid.QY));
  }
}

void RedrawMaleOnlyOn(HDC dc, const WeightControlWindow& w, bool eraseOutline) {
  if (eraseOutline) {
    EraseOutlineOn(dc, w);
  }
  PaintMaleOnlyOn(dc, w);
}

void ToggleMaleOnly(HWND window) {
  WeightControlWindow& w = Window();
  if (w.maleOnly) {
    w.maleOnly = false;
    RepaintOption(window, true);
  } else {
    SwitchOn(window);
  }
}

void OnLeftButtonDown(HWND window, int x, int y) {
  // EditProc's click (Backspace in Sex while the option is on) is a forced
  // toggle: it lands at (0, 0), outside the option.
  const bool forced = shell::App().syntheticClick;
  if (forced ||
      shell::InsideOption(OptionOf(Window()), MaleOnlyFor(shell::App().grid).height, x, y)) {
    ToggleMaleOnly(window);
  }
}

}  // namespace heftrak
