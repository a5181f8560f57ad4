// The drawing primitives, pixel by pixel, drawn into a bitmap.
#include <gtest/gtest.h>

#include <windows.h>

#include "shell/core/drawing_geometry.h"
#include "shell/resources/shell_resources.h"
#include "shell/win32/drawing.h"

namespace shell {
namespace {

constexpr COLORREF kUntouched = RGB(255, 0, 255);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kLightGrey = RGB(192, 192, 192);
constexpr COLORREF kGrey = RGB(128, 128, 128);

// A 64 x 64 true-colour bitmap in a memory device context, filled with a
// colour no primitive uses.
class Canvas {
 public:
  Canvas() {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = 64;
    info.bmiHeader.biHeight = -64;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    dc_ = CreateCompatibleDC(nullptr);
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    previous_ = SelectObject(dc_, bitmap_);
    HBRUSH fill = CreateSolidBrush(kUntouched);
    RECT all{0, 0, 64, 64};
    FillRect(dc_, &all, fill);
    DeleteObject(fill);
  }
  ~Canvas() {
    SelectObject(dc_, previous_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  HDC dc() const { return dc_; }
  COLORREF At(int x, int y) const { return GetPixel(dc_, x, y); }

 private:
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ previous_;
};

struct PixelCase {
  int x, y;
  COLORREF colour;
};

TEST(FieldFrame, PaintsAWhiteWellWithDarkUpperAndLeftEdges) {
  Canvas canvas;
  FillRectsOn(canvas.dc(), FieldFrameRects(10, 20, 19, 20, 0, 1));
  // The null pen leaves each filled rectangle one pixel short at its right
  // and bottom: 1-pixel edges, and an unpainted line inside the white edges.
  const PixelCase pixels[] = {
      {10, 20, kWhite},     {28, 37, kWhite},     {29, 30, kUntouched}, {20, 38, kUntouched},
      {9, 19, kBlack},      {28, 19, kBlack},     {29, 19, kUntouched}, {9, 37, kBlack},
      {9, 38, kUntouched},  {9, 39, kWhite},      {30, 39, kWhite},     {31, 39, kUntouched},
      {30, 19, kWhite},     {30, 38, kWhite},     {30, 40, kUntouched}, {8, 25, kUntouched},
      {20, 18, kUntouched}, {20, 40, kUntouched},
  };
  for (const PixelCase& p : pixels) {
    EXPECT_EQ(canvas.At(p.x, p.y), p.colour) << p.x << "," << p.y;
  }
}

TEST(Panel, PaintsALightGreyFaceWithGreyAndWhiteEdges) {
  Canvas canvas;
  FillRectsOn(canvas.dc(), PanelRects(10, 20, 19, 20, 0, 1));
  const PixelCase pixels[] = {
      {10, 20, kGrey},      {28, 20, kGrey},      {29, 20, kUntouched}, {10, 37, kGrey},
      {10, 38, kLightGrey}, {11, 21, kLightGrey}, {29, 38, kUntouched}, {10, 39, kWhite},
      {30, 39, kWhite},     {31, 39, kUntouched}, {30, 20, kWhite},     {30, 38, kWhite},
      {10, 40, kUntouched}, {9, 25, kUntouched},
  };
  for (const PixelCase& p : pixels) {
    EXPECT_EQ(canvas.At(p.x, p.y), p.colour) << p.x << "," << p.y;
  }
}

TEST(Dots, CrossAndDottedLinesCopyTheDotBitmaps) {
  HINSTANCE self = GetModuleHandleA(nullptr);
  HBITMAP dot11 = LoadBitmapA(self, RES_BITMAP_DOT11);
  HBITMAP dot22 = LoadBitmapA(self, RES_BITMAP_DOT22);
  ASSERT_NE(dot11, nullptr);
  ASSERT_NE(dot22, nullptr);
  Canvas canvas;
  BlitDotsOn(canvas.dc(), dot22, 2, CrossPoints(0, 0, 15, 15));
  BlitDotsOn(canvas.dc(), dot11, 1, DotRowPoints(20, 40, 4));
  const PixelCase pixels[] = {
      {7, 7, kBlack},   {8, 8, kBlack},       {12, 12, kBlack}, {13, 13, kUntouched},
      {1, 1, kBlack},   {0, 0, kUntouched},   {5, 5, kBlack},   {6, 6, kBlack},
      {11, 1, kBlack},  {12, 1, kBlack},      {1, 11, kBlack},  {14, 7, kUntouched},
      {20, 40, kBlack}, {21, 40, kUntouched}, {22, 40, kBlack}, {24, 40, kUntouched},
  };
  for (const PixelCase& p : pixels) {
    EXPECT_EQ(canvas.At(p.x, p.y), p.colour) << p.x << "," << p.y;
  }
  DeleteObject(dot11);
  DeleteObject(dot22);
}

}  // namespace
}  // namespace shell
