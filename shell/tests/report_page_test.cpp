// The report page drawn into an enhanced metafile and read back record by
// record: where each line and underline lands.
#include <gtest/gtest.h>

#include <windows.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "shell/core/report.h"
#include "shell/win32/observer.h"
#include "shell/win32/report_page.h"

namespace shell {
namespace {

struct TextRecord {
  int x;
  int y;
  std::string text;
  DWORD backgroundMode;
  LONG fontHeight;  // of the font selected when it was drawn
};

struct Segment {
  int x1, y1, x2, y2;
};

struct Recording {
  std::vector<TextRecord> texts;
  std::vector<Segment> lines;
  POINT pen{};
  DWORD backgroundMode = OPAQUE;  // a new device context's
  std::map<DWORD, LONG> fonts;    // the height of each font made, by handle index
  LONG fontHeight = 0;
};

int CALLBACK Collect(HDC, HANDLETABLE*, const ENHMETARECORD* record, int, LPARAM data) {
  Recording& out = *reinterpret_cast<Recording*>(data);
  switch (record->iType) {
    case EMR_EXTTEXTOUTA:
    case EMR_EXTTEXTOUTW: {
      const auto* text = reinterpret_cast<const EMREXTTEXTOUTA*>(record);
      const auto* bytes = reinterpret_cast<const char*>(record) + text->emrtext.offString;
      std::string value;
      for (DWORD i = 0; i < text->emrtext.nChars; ++i) {
        value += record->iType == EMR_EXTTEXTOUTW ? bytes[2 * i] : bytes[i];
      }
      out.texts.push_back({text->emrtext.ptlReference.x, text->emrtext.ptlReference.y, value,
                           out.backgroundMode, out.fontHeight});
      break;
    }
    case EMR_EXTCREATEFONTINDIRECTW: {
      const auto* font = reinterpret_cast<const EMREXTCREATEFONTINDIRECTW*>(record);
      out.fonts[font->ihFont] = font->elfw.elfLogFont.lfHeight;
      break;
    }
    case EMR_SELECTOBJECT: {
      const auto* select = reinterpret_cast<const EMRSELECTOBJECT*>(record);
      if (const auto font = out.fonts.find(select->ihObject); font != out.fonts.end()) {
        out.fontHeight = font->second;
      }
      break;
    }
    case EMR_SETBKMODE:
      out.backgroundMode = reinterpret_cast<const EMRSETBKMODE*>(record)->iMode;
      break;
    case EMR_MOVETOEX: {
      const auto* move = reinterpret_cast<const EMRMOVETOEX*>(record);
      out.pen = {move->ptl.x, move->ptl.y};
      break;
    }
    case EMR_LINETO: {
      const auto* line = reinterpret_cast<const EMRLINETO*>(record);
      out.lines.push_back({out.pen.x, out.pen.y, line->ptl.x, line->ptl.y});
      out.pen = {line->ptl.x, line->ptl.y};
      break;
    }
    default:
      break;
  }
  return 1;
}

Recording Render(const Report& report, const PageGeometry& page) {
  HDC dc = CreateEnhMetaFileA(nullptr, nullptr, nullptr, nullptr);
  HFONT font = CreateFontA(-50, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, FIXED_PITCH,
                           "Courier New");
  HGDIOBJ previous = SelectObject(dc, font);
  EXPECT_TRUE(RenderReport(dc, report, page));
  SelectObject(dc, previous);
  DeleteObject(font);
  HENHMETAFILE metafile = CloseEnhMetaFile(dc);
  Recording recording;
  EnumEnhMetaFile(nullptr, metafile, &Collect, &recording, nullptr);
  DeleteEnhMetaFile(metafile);
  return recording;
}

const TextRecord* Find(const Recording& r, const std::string& start) {
  for (const TextRecord& t : r.texts) {
    if (t.text.rfind(start, 0) == 0) {
      return &t;
    }
  }
  return nullptr;
}

TEST(ReportPage, PlacesLinesByNumberAndUnderlinesTheVerdictWord) {
  Report report;
  report.lines = {{1, "Body Fat Content Report", LinePlace::Centre},
                  {3, "Name: Doe, Jane Q.", LinePlace::Margin},
                  {3, "Date: 06 Dec 2026", LinePlace::Middle},
                  {7, "Sex: F", LinePlace::Margin},
                  {12, "Soldier is not within weight limit.", LinePlace::Margin}};
  report.underlines = {{12, "Soldier is ", "not"}};
  // A 50-pixel line with no leading, X = 8: the margin is 40 pixels.
  const Recording r = Render(report, {50, 2000, 40});

  const TextRecord* name = Find(r, "Name:");
  ASSERT_NE(name, nullptr);
  EXPECT_EQ(name->x, 40);
  EXPECT_EQ(name->y, 150);
  const TextRecord* date = Find(r, "Date:");
  ASSERT_NE(date, nullptr);
  EXPECT_EQ(date->x, 1000);
  EXPECT_EQ(date->y, 150);
  const TextRecord* sex = Find(r, "Sex:");
  ASSERT_NE(sex, nullptr);
  EXPECT_EQ(sex->y, 350);
  const TextRecord* title = Find(r, "Body Fat");
  ASSERT_NE(title, nullptr);
  EXPECT_EQ(title->y, 50);
  EXPECT_EQ(title->x, 1000);  // centred: the reference point is the middle
  // An opaque cell would blank out whatever text it runs into.
  for (const TextRecord& text : r.texts) {
    EXPECT_EQ(text.backgroundMode, static_cast<DWORD>(TRANSPARENT)) << text.text;
  }

  ASSERT_EQ(r.lines.size(), 1u);
  const Segment& rule = r.lines[0];
  EXPECT_EQ(rule.y1, 650);
  EXPECT_EQ(rule.y2, 650);
  // In a fixed-pitch font "Soldier is " is 11 characters and "not" 3.
  const int charWidth = (rule.x2 - rule.x1) / 3;
  EXPECT_GT(charWidth, 0);
  EXPECT_EQ(rule.x1, 40 + 11 * charWidth);
  EXPECT_EQ(rule.x2 - rule.x1, 3 * charWidth);
}

// A name fitted alone is drawn in the same face at its own height, on the
// baseline of the Date beside it; every other line stays in the page's face.
TEST(ReportPage, ALineWithItsOwnHeightSharesTheBaselineOfItsNeighbours) {
  Report report;
  report.lines = {{3, "Name: Johnson, Michael A.", LinePlace::Margin, 30},
                  {3, "Date: 06 Dec 2026", LinePlace::Middle},
                  {4, "Rank: SGT", LinePlace::Margin}};
  const Recording r = Render(report, {50, 2000, 40});
  const TextRecord* name = Find(r, "Name:");
  const TextRecord* date = Find(r, "Date:");
  const TextRecord* rank = Find(r, "Rank:");
  ASSERT_TRUE(name != nullptr && date != nullptr && rank != nullptr);
  EXPECT_EQ(name->fontHeight, -30);
  EXPECT_NE(date->fontHeight, -30);
  EXPECT_EQ(rank->fontHeight, date->fontHeight);
  EXPECT_EQ(date->y, 150);
  EXPECT_EQ(rank->y, 200);
  // The name's reference point is its baseline, below the line's top.
  EXPECT_GT(name->y, 150);
  EXPECT_LT(name->y, 200);
}

TEST(ReportPage, PrintThatCannotBeMadeSoundsTheAlertAndClaimsNothing) {
  int alerts = 0;
  Observer observer;
  observer.alerted = [&alerts] { ++alerts; };
  Observe(&observer);
  Report report;
  report.documentName = "Weight Control";
  report.lines = {{1, "Body Fat Content Report", LinePlace::Centre}};

  char saved[80];
  GetProfileStringA("windows", "device", ",,,", saved, sizeof saved);
  for (const char* entry : {"NoCommasAtAll", ",,,", "Missing,Driver"}) {
    WriteProfileStringA("windows", "device", entry);
    alerts = 0;
    EXPECT_FALSE(PrintReport(report)) << entry;
    EXPECT_EQ(alerts, 1) << entry;
  }
  WriteProfileStringA("windows", "device", saved);

  // Device contexts that open but take no document: the job fails at its start.
  const std::pair<const char*, HDC> refusing[] = {
      {"memory", CreateCompatibleDC(nullptr)},
      {"metafile", CreateEnhMetaFileA(nullptr, nullptr, nullptr, nullptr)}};
  for (const auto& [what, dc] : refusing) {
    ASSERT_NE(dc, nullptr) << what;
    alerts = 0;
    EXPECT_FALSE(PrintReportOn(dc, report)) << what;
    EXPECT_EQ(alerts, 1) << what;
  }
  Observe(nullptr);
}

}  // namespace
}  // namespace shell
