#include "vorna/core/chart.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "vorna/core/fields.h"
#include "vorna/core/scoring.h"

namespace vorna {
namespace {

struct ChartCase {
  const char* name;
  ChartKind kind;
  int age;
  char sex;
  std::size_t rows;
  const char* first;
  const char* last;
  const char* title;
};

TEST(Chart, ColumnsRunFromTheHundredPointScoreDownToTheFloor) {
  const ChartCase cases[] = {
      {"male 20 push-ups", ChartKind::Pushups, 20, 'M', 72, "   71 - 100", "    0 -   9",
       "17-21, Male"},
      {"age 45 sit-ups", ChartKind::Situps, 45, 'M', 73, "   72 - 100", "    0 -  49",
       "42-46, Male"},
      {"male 20 run", ChartKind::Run, 20, 'M', 74, "13:00 - 100", "20:18 -   0", "17-21, Male"},
      {"female 65 run", ChartKind::Run, 65, 'F', 66, "20:00 - 100", "26:30 -  48", "62+, Female"},
      {"female 40 run", ChartKind::Run, 40, 'F', 96, "17:00 - 100", "26:30 -  33", "37-41, Female"},
      {"female 17 push-ups", ChartKind::Pushups, 17, 'F', 43, "   42 - 100", "    0 -  ",
       "17-21, Female"},
  };
  for (const ChartCase& c : cases) {
    const std::vector<std::string> rows = ChartRows(c.kind, c.age, c.sex);
    ASSERT_EQ(rows.size(), c.rows) << c.name;
    EXPECT_EQ(rows.front(), c.first) << c.name;
    EXPECT_EQ(rows.back().substr(0, std::string(c.last).size()), c.last) << c.name;
    EXPECT_EQ(ChartTitle(c.age, c.sex), c.title) << c.name;
  }
}

// The raw score of a row: repetitions, or a run time in seconds.
int RawScoreOf(const std::string& row) {
  const std::size_t colon = row.find(':');
  return colon == std::string::npos ? std::stoi(row)
                                    : std::stoi(row) * 60 + std::stoi(row.substr(colon + 1));
}

int PointsFor(ChartKind kind, int raw, int age, char sex) {
  switch (kind) {
    case ChartKind::Pushups:
      return sex == 'M' ? MalePushupPoints(raw, age) : FemalePushupPoints(raw, age);
    case ChartKind::Situps:
      return SitupPoints(raw, age);
    default:
      return sex == 'M' ? MaleRunPoints(raw, age) : FemaleRunPoints(raw, age);
  }
}

// Every age and sex: the chart lists each raw score with the points
// Calculate gives it, from the best raw score worth 100 or less down to no
// repetitions, or from the fastest time worth 100 or less a scored time (6
// seconds) a row to the first worth 0 or 26:30; each row fits the list's
// 11 characters.
TEST(Chart, EveryRowShowsThePointsCalculateGives) {
  for (ChartKind kind : {ChartKind::Pushups, ChartKind::Situps, ChartKind::Run}) {
    const bool run = kind == ChartKind::Run;
    for (int age = 17; age <= 70; ++age) {
      for (char sex : {'M', 'F'}) {
        SCOPED_TRACE(testing::Message() << static_cast<int>(kind) << " " << age << sex);
        const std::vector<std::string> rows = ChartRows(kind, age, sex);
        ASSERT_FALSE(rows.empty());
        const int first = RawScoreOf(rows.front());
        EXPECT_EQ(PointsFor(kind, first, age, sex), 100);
        const int better = run ? first - 6 : first + 1;
        EXPECT_TRUE(PointsFor(kind, better, age, sex) > 100 || (run && first == MinSec(13, 0)));
        for (std::size_t i = 0; i < rows.size(); ++i) {
          const std::string& row = rows[i];
          EXPECT_EQ(row.size(), 11u) << row;
          const int raw = RawScoreOf(row);
          EXPECT_EQ(raw, run ? first + 6 * static_cast<int>(i) : first - static_cast<int>(i))
              << row;
          EXPECT_EQ(std::stoi(row.substr(8)), PointsFor(kind, raw, age, sex)) << row;
        }
        const int last = RawScoreOf(rows.back());
        EXPECT_TRUE(run ? PointsFor(kind, last, age, sex) == 0 || last == kRunFloorSeconds
                        : last == 0)
            << rows.back();
      }
    }
  }
}

TEST(Chart, FieldsHeadersAndTitles) {
  const struct {
    int field;
    ChartKind kind;
    const char* header;
  } fields[] = {
      {kAge, ChartKind::None, ""},
      {kSex, ChartKind::None, ""},
      {kPushups, ChartKind::Pushups, "Pushups-Points"},
      {kSitups, ChartKind::Situps, "Situps-Points"},
      {kRunMinutes, ChartKind::Run, "Time-Points"},
      {kRunSeconds, ChartKind::Run, "Time-Points"},
  };
  for (const auto& f : fields) {
    EXPECT_EQ(ChartKindOf(f.field), f.kind) << f.field;
    EXPECT_STREQ(ChartHeader(ChartKindOf(f.field)), f.header) << f.field;
  }
  EXPECT_TRUE(ChartRows(ChartKind::None, 20, 'M').empty());
  // The title names the five-year group from 17 that holds the age, or 62+.
  for (int age = 17; age <= 70; ++age) {
    for (char sex : {'M', 'F'}) {
      const std::string title = ChartTitle(age, sex);
      const std::string sexName = sex == 'M' ? ", Male" : ", Female";
      ASSERT_TRUE(title.ends_with(sexName)) << title;
      const int youngest = age >= 62 ? 62 : 17 + (age - 17) / 5 * 5;
      EXPECT_EQ(title.substr(0, title.size() - sexName.size()),
                age >= 62 ? "62+" : std::to_string(youngest) + "-" + std::to_string(youngest + 4))
          << age;
    }
  }
}

}  // namespace
}  // namespace vorna
