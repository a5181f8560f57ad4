// The roster program's run behind its command line, with a made-up
// calculator and files kept in memory: exit statuses, errors and the files.
#include "roster/core/console.h"

#include <gtest/gtest.h>

#include <map>

#include "roster/core/cells.h"

namespace roster {
namespace {

// A calculator that doubles a score; "0" is refused, "1" fails, else passes.
RowScore Double(FigureCells cells, const shell::PersonalData* person) {
  RowScore score;
  const auto digits = DigitsCell(cells[0], 2);
  if (!digits || *digits == "0") {
    score.refused = true;
    score.message = "Enter a score.";
    return score;
  }
  const int value = std::stoi(*digits);
  score.results = {std::to_string(2 * value)};
  score.tally = value == 1 ? 1 : 0;
  if (person != nullptr) {
    score.report = shell::ReportWithHeader("Title", "Doc", *person, value, 'M');
  }
  return score;
}

constexpr FigureColumn kFigures[] = {{"score", true}};
constexpr ResultColumn kResults[] = {{"double"}};
constexpr const char* kTallies[] = {"passed", "failed"};
constexpr RosterProgram kProgram = {"test-roster", "TEST",   kFigures, kResults,
                                    kTallies,      "score.", &Double};

std::map<std::string, std::string> files;
int printsLeft = 0;
std::vector<std::string> printed;  // the name line of each printed report

bool Read(const std::string& path, std::string& bytes, std::string& why) {
  const auto file = files.find(path);
  if (file == files.end()) {
    why = "No such file or directory";
    return false;
  }
  bytes = file->second;
  return true;
}
bool Replace(const std::string& path, std::string_view bytes, std::string& why) {
  if (path.starts_with("/readonly/")) {
    why = "Permission denied";
    return false;
  }
  files[path] = bytes;
  return true;
}
bool Same(const std::string& a, const std::string& b) {
  return a == "./" + b || b == "./" + a;
}
bool Print(const shell::Report& report, std::string& why) {
  if (printsLeft-- <= 0) {
    why = "out of paper";
    return false;
  }
  printed.push_back(report.lines[1].text);
  return true;
}
std::string Today() {
  return "07 Dec 2026";
}
std::string written;
std::string complained;
void WriteOut(std::string_view text) {
  written += text;
}
void WriteErr(std::string_view text) {
  complained += text;
}

struct Outcome {
  int status;
  std::string out;
  std::string err;
};

Outcome RunProgram(std::vector<std::string> args, bool canPrint = true) {
  const Platform platform = {&Read,   &Replace, &Same,     canPrint ? &Print : nullptr,
                             nullptr, &Today,   &WriteOut, &WriteErr};
  written.clear();
  complained.clear();
  const int status = RunRosterProgram(kProgram, platform, args);
  return {status, written, complained};
}

class Console : public ::testing::Test {
 protected:
  void SetUp() override {
    files = {{"roster.csv", "Last,Score,Note\r\nDoe,2,x\r\nRoe,1,\r\n"}};
    printsLeft = 100;
    printed.clear();
  }
};

TEST_F(Console, ScoresIntoTheResultsFileBesideTheRoster) {
  const Outcome run = RunProgram({"roster.csv"});
  EXPECT_EQ(run.status, kAllScored);
  EXPECT_EQ(run.out,
            "2 rows read: 2 scored, 0 refused; 1 passed, 1 failed.\n"
            "Results: roster-results.csv\n");
  EXPECT_EQ(files["roster-results.csv"],
            "Last,Score,Note,double,message\r\nDoe,2,x,4,\r\nRoe,1,,2,\r\n");
  EXPECT_EQ(files["roster.csv"], "Last,Score,Note\r\nDoe,2,x\r\nRoe,1,\r\n");

  // A roster saved with a byte-order mark gets results with one.
  files["marked.csv"] = "\xEF\xBB\xBFscore\n3\n";
  EXPECT_EQ(RunProgram({"marked.csv"}).status, kAllScored);
  EXPECT_EQ(files["marked-results.csv"], "\xEF\xBB\xBFscore,double,message\r\n3,6,\r\n");
}

TEST_F(Console, ExitStatusAndOneLineForEachKindOfProblem) {
  files["bad-quote.csv"] = "score\n\"1\n";
  files["no-column.csv"] = "last,scor\nDoe,1\n";
  files["empty.csv"] = "\xEF\xBB\xBF\r\n";
  files["utf16.csv"] = std::string("\xFF\xFEs\0c\0", 6);
  files["refused.csv"] = "score\n0\n5\n";
  files["wide.csv"] = "score\n5,,\n5,1\n";
  const struct {
    std::vector<std::string> args;
    int status;
    std::string err;
  } cases[] = {
      {{}, kUnusable, "test-roster: no roster file named (test-roster --help tells more)\n"},
      {{"a.csv", "b.csv"}, kUnusable, "test-roster: one roster at a time (a.csv and b.csv)"},
      {{"roster.csv", "--dates"}, kUnusable, "test-roster: unknown option --dates"},
      {{"roster.csv", "-o"}, kUnusable, "test-roster: -o needs a value"},
      {{"missing.csv"}, kUnusable, "test-roster: missing.csv: No such file or directory\n"},
      {{"bad-quote.csv"},
       kUnusable,
       "test-roster: bad-quote.csv, line 2: a quoted field is not closed\n"},
      {{"no-column.csv"},
       kUnusable,
       "test-roster: no-column.csv, line 1: the header has no column \"score\"\n"},
      {{"empty.csv"}, kUnusable, "test-roster: empty.csv, the file is empty\n"},
      {{"utf16.csv"}, kUnusable, "test-roster: utf16.csv, the file is UTF-16 text"},
      {{"roster.csv", "-o", "roster.csv"},
       kUnusable,
       "test-roster: roster.csv is the roster itself; name another results file\n"},
      {{"roster.csv", "-o", "./roster.csv"}, kUnusable, "is the roster itself"},
      {{"roster.csv", "-o", "/readonly/r.csv"},
       kUnusable,
       "test-roster: /readonly/r.csv: Permission denied\n"},
      {{"refused.csv"}, kSomeRefused, ""},
      {{"wide.csv"}, kSomeRefused, ""},
  };
  for (const auto& c : cases) {
    const Outcome run = RunProgram(c.args);
    EXPECT_EQ(run.status, c.status) << c.err;
    EXPECT_NE(run.err.find(c.err), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find('\n'), run.err.empty() ? std::string::npos : run.err.size() - 1);
  }
  EXPECT_EQ(files["roster.csv"], "Last,Score,Note\r\nDoe,2,x\r\nRoe,1,\r\n");
  EXPECT_EQ(files["refused-results.csv"], "score,double,message\r\n0,,Enter a score.\r\n5,10,\r\n");
  EXPECT_EQ(files["wide-results.csv"],
            "score,double,message\r\n5,10,\r\n"
            "5,,The row has 2 cells but the header names 1 columns.\r\n");
}

TEST_F(Console, PrintsEveryScoredSoldierOrSaysWhyNot) {
  files["roster.csv"] = "last,first,score\nDoe,John,2\nPoe,Al,0\nRoe,Jane,3\n";
  Outcome run = RunProgram({"roster.csv", "--print", "--date", "01 Jan 2027"});
  EXPECT_EQ(run.status, kSomeRefused);
  EXPECT_EQ(printed, (std::vector<std::string>{"Name: Doe, John .", "Name: Roe, Jane ."}));
  EXPECT_NE(run.out.find("2 reports printed.\n"), std::string::npos);

  printsLeft = 1;
  run = RunProgram({"roster.csv", "--print"});
  EXPECT_EQ(run.status, kUnusable);
  EXPECT_EQ(run.err,
            "test-roster: the report of line 4 (Roe, Jane) was not printed: out of paper; 1 of 2 "
            "reports printed.\n");

  run = RunProgram({"roster.csv", "--print"}, false);
  EXPECT_EQ(run.status, kUnusable);
  EXPECT_EQ(run.err, "test-roster: this build cannot print; no report was printed.\n");
  EXPECT_TRUE(files.contains("roster-results.csv"));
}

TEST(ConsolePaths, ResultsGoBesideTheRoster) {
  const struct {
    const char* input;
    const char* output;
  } cases[] = {
      {"roster.csv", "roster-results.csv"},
      {"C:\\Unit\\A Co.csv", "C:\\Unit\\A Co-results.csv"},
      {"dir.v2/roster", "dir.v2/roster-results.csv"},
      {".roster", ".roster-results.csv"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DefaultOutputPath(c.input), c.output);
  }
}

}  // namespace
}  // namespace roster
