#include "vorna/core/chart.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "vorna/core/fields.h"

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

TEST(Chart, RowsInBetween) {
  const std::vector<std::string> run = ChartRows(ChartKind::Run, 20, 'M');
  EXPECT_EQ(run[2], "13:12 -  97");
  const std::vector<std::string> femaleRun = ChartRows(ChartKind::Run, 40, 'F');
  EXPECT_EQ(femaleRun[1].substr(8), " 99");
  EXPECT_EQ(femaleRun[2].substr(8), " 99");
  // Below the floor every count scores as the floor: six equal push-up rows
  // (5 down to 0) and twenty-two sit-up rows (21 down to 0).
  const std::vector<std::string> pushups = ChartRows(ChartKind::Pushups, 20, 'M');
  for (std::size_t i = pushups.size() - 6; i < pushups.size(); ++i) {
    EXPECT_EQ(pushups[i].substr(8), "  9") << pushups[i];
  }
  EXPECT_NE(pushups[pushups.size() - 7].substr(8), "  9");
  const std::vector<std::string> situps = ChartRows(ChartKind::Situps, 45, 'M');
  EXPECT_EQ(situps[situps.size() - 22], "   21 -  49");
  EXPECT_NE(situps[situps.size() - 23].substr(8), " 49");
}

TEST(Chart, EveryListedRowIsWorthAHundredOrLess) {
  for (ChartKind kind : {ChartKind::Pushups, ChartKind::Situps, ChartKind::Run}) {
    for (int age = 17; age <= 70; ++age) {
      for (char sex : {'M', 'F'}) {
        const std::vector<std::string> rows = ChartRows(kind, age, sex);
        ASSERT_FALSE(rows.empty());
        EXPECT_EQ(rows.front().substr(8), "100") << age << sex;
        for (const std::string& row : rows) {
          EXPECT_LE(std::stoi(row.substr(8)), 100) << row;
          EXPECT_EQ(row.size(), 11u) << row;
        }
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
  const struct {
    int age;
    char sex;
    const char* title;
  } titles[] = {
      {22, 'F', "22-26, Female"}, {26, 'M', "22-26, Male"}, {57, 'M', "57-61, Male"},
      {61, 'F', "57-61, Female"}, {62, 'M', "62+, Male"},   {70, 'F', "62+, Female"},
  };
  for (const auto& t : titles) {
    EXPECT_EQ(ChartTitle(t.age, t.sex), t.title) << t.age;
  }
}

}  // namespace
}  // namespace vorna
