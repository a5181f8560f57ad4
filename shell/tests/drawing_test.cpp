// The drawing primitives, pixel by pixel, drawn into a bitmap.
#include <gtest/gtest.h>

#include <windows.h>

#include "shell/core/drawing_geometry.h"
#include "shell/resources/shell_resources.h"
#include "shell/tests/win32_harness.h"
#include "shell/win32/drawing.h"

namespace shell {
namespace {

// Each canvas starts in a colour no primitive uses.
constexpr COLORREF kUntouched = RGB(255, 0, 255);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kLightGrey = RGB(192, 192, 192);
constexpr COLORREF kGrey = RGB(128, 128, 128);

struct PixelCase {
  int x, y;
  COLORREF colour;
};

TEST(FieldFrame, PaintsAWhiteWellWithDarkUpperAndLeftEdges) {
  harness::Canvas canvas(64, 64, kUntouched);
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
  harness::Canvas canvas(64, 64, kUntouched);
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
  harness::Canvas canvas(64, 64, kUntouched);
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
