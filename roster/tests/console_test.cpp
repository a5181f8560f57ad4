// The roster program's run behind its command line, with a made-up
// calculator and files kept in memory: exit statuses, errors and the files.
#include "roster/core/console.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "roster/core/summary_view.h"
#include "roster/tests/test_program.h"

namespace roster {
namespace {

std::map<std::string, std::string> files;
std::set<std::string> leftovers;  // temporary files a killed run left
int printsLeft = 0;
std::vector<std::string> printed;  // the name and SSN lines of each printed report

bool Read(const std::string& path, const std::function<void(const ByteReader&)>& read,
          std::string& why) {
  const auto file = files.find(path);
  if (file == files.end()) {
    why = "No such file or directory";
    return false;
  }
  read(TextReader(file->second, 7));  // a few bytes at a time, as a slow disk gives them
  return true;
}
bool Replace(const std::string& path, const std::function<bool(const ByteWriter&)>& write,
             std::string& why) {
  if (path.starts_with("/full/")) {
    why = "No space left on device";
    return false;
  }
  std::string bytes;
  if (!write(TextWriter(bytes))) {
    return false;
  }
  files[path] = bytes;
  return true;
}
std::vector<std::string> RemoveLeftovers(const std::string& path) {
  std::vector<std::string> removed;
  if (leftovers.erase(path + ".tmp-AbC123") > 0) {
    removed.push_back(path + ".tmp-AbC123");
  }
  return removed;
}
// What a folder's name says stands in it.
OutputCheck Check(const std::string& path) {
  const struct {
    const char* folder;
    OutputCheck check;
  } kinds[] = {
      {"/readonly/", {OutputKind::ReadOnly, ""}},
      {"/dev/", {OutputKind::Device, ""}},
      {"/locked/", {OutputKind::UnwritableFolder, "Permission denied"}},
  };
  for (const auto& kind : kinds) {
    if (path.starts_with(kind.folder)) {
      return kind.check;
    }
  }
  return {};
}
bool Same(const std::string& a, const std::string& b) {
  return a == "./" + b || b == "./" + a;
}
bool Print(const shell::Report& report, std::string& why) {
  if (printsLeft-- <= 0) {
    why = "out of paper";
    return false;
  }
  printed.push_back(report.lines[1].text + " " + report.lines[4].text);
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

Platform MadePlatform(bool canPrint = true) {
  return {&Read,   &Replace, &RemoveLeftovers, &Check,   &Same, canPrint ? &Print : nullptr,
          nullptr, &Today,   &WriteOut,        &WriteErr};
}

Outcome RunProgram(std::vector<std::string> args, bool canPrint = true) {
  const Platform platform = MadePlatform(canPrint);
  written.clear();
  complained.clear();
  const int status = RunRosterProgram(kTestProgram, platform, args);
  return {status, written, complained};
}

class Console : public ::testing::Test {
 protected:
  void SetUp() override {
    files = {{"roster.csv", "Last,Score,Note\r\nDoe,2,x\r\nRoe,1,\r\n"}};
    leftovers.clear();
    printsLeft = 100;
    printed.clear();
  }
};

TEST_F(Console, ScoresIntoTheResultsFileBesideTheRoster) {
  leftovers = {"roster-results.csv.tmp-AbC123"};
  const Outcome run = RunProgram({"roster.csv"});
  EXPECT_EQ(run.status, kAllScored);
  EXPECT_EQ(run.out,
            "test-roster: removed roster-results.csv.tmp-AbC123, left behind by a run that was "
            "cut short.\n"
            "2 rows read: 2 scored, 0 refused; 1 passed, 1 failed.\n"
            "Results: roster-results.csv\n");
  EXPECT_EQ(files["roster-results.csv"],
            "Last,Score,Note,double,triple,message\r\nDoe,2,x,4,6,\r\nRoe,1,,2,3,\r\n");
  EXPECT_EQ(files["roster.csv"], "Last,Score,Note\r\nDoe,2,x\r\nRoe,1,\r\n");

  // A roster saved with a byte-order mark gets results with one.
  files["marked.csv"] = "\xEF\xBB\xBFscore\n9\n";
  const Outcome marked = RunProgram({"--output=out.csv", "--", "marked.csv"});
  EXPECT_EQ(marked.status, kAllScored);
  EXPECT_EQ(marked.out,
            "1 row read: 1 scored, 0 refused; 0 passed, 0 failed, 1 without a verdict.\n"
            "Results: out.csv\n");
  EXPECT_EQ(files["out.csv"], "\xEF\xBB\xBFscore,double,triple,message\r\n9,18,27,\r\n");
}

TEST_F(Console, ExitStatusAndOneLineForEachKindOfProblem) {
  files["bad-quote.csv"] = "score\n\"1\n";
  files["no-column.csv"] = "last,scor\nDoe,1\n";
  files["empty.csv"] = "\xEF\xBB\xBF\r\n";
  files["utf16.csv"] = std::string("\xFF\xFEs\0c\0", 6);
  files["refused.csv"] = "score\n0\n5\n";
  files["wide.csv"] = "score\n5,,\n5,1\n";
  files["-dash.csv"] = "score\n5\n";
  files["long.csv"] = "score\n5\n" + std::string(70000, ',') + "\n";
  const struct {
    std::vector<std::string> args;
    int status;
    std::string err;
  } cases[] = {
      {{"a.csv", "b.csv"}, kUnusable, "test-roster: one roster at a time (a.csv and b.csv)"},
      {{"roster.csv", "--dates"}, kUnusable, "test-roster: unknown option --dates"},
      {{"roster.csv", "-o"}, kUnusable, "test-roster: -o needs a value"},
      {{"roster.csv", "--output="}, kUnusable, "test-roster: --output= needs a value"},
      {{"--print"},
       kUnusable,
       "test-roster: no roster file named (test-roster --help tells more)\n"},
      {{"missing.csv"}, kUnusable, "test-roster: missing.csv: No such file or directory\n"},
      {{"bad-quote.csv"},
       kUnusable,
       "test-roster: bad-quote.csv, line 2: a quoted field is not closed\n"},
      {{"no-column.csv"},
       kUnusable,
       "test-roster: no-column.csv, line 1: the header has no column \"score\" (its columns split "
       "at \",\")\n"},
      {{"empty.csv"}, kUnusable, "test-roster: empty.csv, the file is empty\n"},
      {{"utf16.csv"}, kUnusable, "test-roster: utf16.csv, the file is UTF-16 text"},
      {{"long.csv"}, kUnusable, "test-roster: long.csv, line 3: the row is longer than 64 KiB"},
      {{"roster.csv", "-o", "roster.csv"},
       kUnusable,
       "test-roster: roster.csv is the roster itself; name another results file\n"},
      {{"roster.csv", "-o", "./roster.csv"}, kUnusable, "is the roster itself"},
      {{"roster.csv", "-o", "/readonly/r.csv"},
       kUnusable,
       "test-roster: /readonly/r.csv is read-only; make it writable, or name another results "
       "file with -o\n"},
      {{"roster.csv", "-o", "/dev/null"},
       kUnusable,
       "test-roster: /dev/null is a device, not a file; name another results file with -o\n"},
      {{"roster.csv", "-o", "/locked/r.csv"},
       kUnusable,
       "test-roster: /locked/r.csv: its folder cannot be written to (Permission denied); name a "
       "results file in another folder with -o\n"},
      {{"roster.csv", "--output=/full/r.csv"},
       kUnusable,
       "test-roster: /full/r.csv: No space left on device\n"},
      {{"refused.csv"}, kSomeRefused, ""},
      {{"wide.csv"}, kSomeRefused, ""},
      {{"--", "-dash.csv"}, kAllScored, ""},
  };
  for (const auto& c : cases) {
    const Outcome run = RunProgram(c.args);
    EXPECT_EQ(run.status, c.status) << c.err;
    EXPECT_NE(run.err.find(c.err), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find('\n'), run.err.empty() ? std::string::npos : run.err.size() - 1);
  }
  EXPECT_EQ(files["roster.csv"], "Last,Score,Note\r\nDoe,2,x\r\nRoe,1,\r\n");
  EXPECT_FALSE(files.contains("long-results.csv"));
  EXPECT_EQ(files["refused-results.csv"],
            "score,double,triple,message\r\n0,,,Enter a score.\r\n5,10,15,\r\n");
  EXPECT_EQ(files["wide-results.csv"],
            "score,double,triple,message\r\n5,10,15,\r\n"
            "5,,,The row has 1 cell more than the header has columns; it follows the "
            "message.,1\r\n");
  EXPECT_TRUE(files.contains("-dash-results.csv"));
}

// The summary page goes to a file of its own, never over the roster or the
// results; one not written leaves the results written, and says so.
TEST_F(Console, WritesTheSummaryPageToItsOwnFile) {
  Outcome run = RunProgram({"roster.csv", "--summary", "page.txt", "--date", "01 Jan 2027"});
  EXPECT_EQ(run.status, kAllScored);
  EXPECT_TRUE(run.out.ends_with("Results: roster-results.csv\nSummary: page.txt\n")) << run.out;
  EXPECT_TRUE(files["page.txt"].starts_with(
      "TEST Roster Summary\r\n===================\r\nRoster:  roster.csv\r\n"
      "Results: roster-results.csv\r\nDate:    01 Jan 2027\r\n"))
      << files["page.txt"];

  const struct {
    std::vector<std::string> args;
    std::string err;
  } refused[] = {
      {{"roster.csv", "--summary", "roster.csv"},
       "test-roster: roster.csv is the roster itself; name another summary file\n"},
      {{"roster.csv", "--summary=roster-results.csv"},
       "test-roster: roster-results.csv is the results file; name another summary file\n"},
      {{"roster.csv", "-o", "r.csv", "--summary", "./r.csv"}, "is the results file"},
      {{"roster.csv", "--summary", "/readonly/s.txt"},
       "test-roster: /readonly/s.txt is read-only; make it writable, or name another summary "
       "file with --summary\n"},
      {{"roster.csv", "--summary="}, "test-roster: --summary= needs a value"},
      {{"roster.csv", "--print-summary"},
       "test-roster: this build cannot print; the summary page was not printed.\n"},
  };
  for (const auto& c : refused) {
    files.erase("roster-results.csv");
    run = RunProgram(c.args);
    EXPECT_EQ(run.status, kUnusable) << c.err;
    EXPECT_NE(run.err.find(c.err), std::string::npos) << run.err;
    // Refused before anything is written; a page that cannot print, after.
    EXPECT_EQ(files.contains("roster-results.csv"), c.args.back() == "--print-summary");
  }

  run = RunProgram({"roster.csv", "--summary", "/full/page.txt"});
  EXPECT_EQ(run.status, kUnusable);
  EXPECT_EQ(run.err,
            "test-roster: /full/page.txt: No space left on device; the summary page was not "
            "written\n");
  EXPECT_TRUE(files.contains("roster-results.csv"));
}

TEST_F(Console, WithoutArgumentsOrWithHelpTellsHowToUseIt) {
  const Outcome bare = RunProgram({});
  EXPECT_EQ(bare.status, kUnusable);
  EXPECT_TRUE(bare.out.starts_with("Usage: test-roster ROSTER.csv [-o RESULTS.csv]")) << bare.out;
  EXPECT_EQ(RunProgram({"--help"}).status, kAllScored);
}

TEST_F(Console, PrintsEveryScoredSoldierOrSaysWhyNot) {
  files["roster.csv"] = "last,first,ssn,score\nDoe,John,XXX-XX-1234,2\nPoe,Al,,0\nRoe,Jane,,3\n";
  Outcome run = RunProgram({"roster.csv", "--print", "--date", "01 Jan 2027"});
  EXPECT_EQ(run.status, kSomeRefused);
  EXPECT_EQ(printed, (std::vector<std::string>{"Name: Doe, John . SSN: //1234",
                                               "Name: Roe, Jane . SSN: //"}));
  EXPECT_NE(run.out.find("2 reports printed.\n"), std::string::npos);
  // A masked SSN refuses nothing, and only the print says what it left out.
  EXPECT_EQ(run.err,
            "test-roster: warning: line 2 (Doe, John): the report prints the SSN \"XXX-XX-1234\" "
            "as \"//1234\": its boxes hold 3, 2 and 4 digits\n");
  EXPECT_EQ(RunProgram({"roster.csv"}).err, "");

  printsLeft = 1;
  run = RunProgram({"roster.csv", "--print"});
  EXPECT_EQ(run.status, kUnusable);
  EXPECT_NE(run.err.find("test-roster: the report of line 4 (Roe, Jane) was not printed: out of "
                         "paper; 1 of 2 reports printed.\n"),
            std::string::npos);

  run = RunProgram({"roster.csv", "--print"}, false);
  EXPECT_EQ(run.status, kUnusable);
  EXPECT_EQ(run.err, "test-roster: this build cannot print; no report was printed.\n");
  EXPECT_TRUE(files.contains("roster-results.csv"));
}

// What a window runs: the same scoring into the same results file, then
// the reports printed from a second reading until the clerk cancels.
TEST_F(Console, AWindowScoresAndPrintsThroughTheSameRun) {
  files["roster.csv"] = "last,score\nDoe,2\nPoe,0\nRoe,3\nTee,4\n";
  ASSERT_EQ(RunProgram({"roster.csv"}).status, kSomeRefused);
  const std::string console = files["roster-results.csv"];
  files.erase("roster-results.csv");
  Options options;
  options.input = "roster.csv";
  const ScoredFile run = ScoreRosterFile(kTestProgram, MadePlatform(), options);
  EXPECT_EQ(run.status, kSomeRefused);
  EXPECT_EQ(run.error, "");
  EXPECT_EQ(run.output, "roster-results.csv");
  EXPECT_EQ(files["roster-results.csv"], console);
  EXPECT_EQ(run.settings.date, "07 Dec 2026");

  std::vector<std::string> seen;
  const PrintedReports cancelled =
      PrintRosterReports(kTestProgram, MadePlatform(), "roster.csv", run.settings, run.summary,
                         [&](const ReportToPrint& report, std::string&) {
                           seen.push_back(PrintingText(report));
                           return report.number == 2 ? Printing::PrintedLast : Printing::Printed;
                         });
  EXPECT_EQ(seen, (std::vector<std::string>{"Printing 1 of 3: Doe", "Printing 2 of 3: Roe"}));
  EXPECT_EQ(PrintingEndText(cancelled), "Cancelled: 2 of 3 reports printed.");

  // No -o in a window: a read-only results file can only be made writable.
  files["/readonly/roster.csv"] = files["roster.csv"];
  options.input = "/readonly/roster.csv";
  options.canNameOutput = false;
  EXPECT_EQ(ScoreRosterFile(kTestProgram, MadePlatform(), options).error,
            "/readonly/roster-results.csv is read-only; make it writable");
}

// The lines of a text, and whether each fits a console.
bool FitsAConsole(const std::string& text) {
  std::size_t columns = 0;
  for (char c : text) {
    columns = c == '\n' ? 0 : columns + ((static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0);
    if (columns > kConsoleColumns) {
      return false;
    }
  }
  return true;
}

TEST_F(Console, TheSummaryNamesTheRefusedLinesAndFitsAConsole) {
  files["one.csv"] = "last,score\nDoe,2\nPoe,0\n";
  EXPECT_EQ(RunProgram({"one.csv"}).out,
            "2 rows read: 1 scored, 1 refused; 1 passed, 0 failed.\n"
            "Refused: line 3; the results' message column says why.\n"
            "Results: one-results.csv\n");
  std::string roster = "last,score\n";
  for (int i = 0; i < 1234; ++i) {
    roster += i % 100 < 12 ? "Poe,0\n" : "Doe,9\n";
  }
  files["many.csv"] = roster;
  const std::string out = RunProgram({"many.csv"}).out;
  EXPECT_EQ(out,
            "1234 rows read: 1078 scored, 156 refused; 0 passed, 0 failed, 1078 without a "
            "verdict.\n"
            "Refused: lines 2, 3, 4, 5, 6, 7, 8, 9, 10, 11 and 146 more; the results' message "
            "column says why.\n"
            "Results: many-results.csv\n");
  // A console shows it at its width, broken at blanks only.
  const std::string wrapped = Wrapped(out);
  EXPECT_TRUE(FitsAConsole(wrapped)) << wrapped;
  std::string joined = wrapped;
  std::replace(joined.begin(), joined.end(), '\n', ' ');
  std::string spaced = out;
  std::replace(spaced.begin(), spaced.end(), '\n', ' ');
  EXPECT_EQ(joined, spaced);
}

TEST(ConsoleWidth, LinesAreBrokenAtBlanksOnly) {
  const std::string word(90, 'x');
  const std::string accents = "\xC3\xA9" + std::string(78, 'e');  // 79 characters, 80 bytes
  const struct {
    std::string text;
    std::string wrapped;
  } cases[] = {
      {std::string(79, 'a'), std::string(79, 'a')},
      {std::string(79, 'a') + " b\n", std::string(79, 'a') + "\nb\n"},
      {"a " + word + " b", "a\n" + word + "\nb"},
      {accents + "\n" + accents + " x", accents + "\n" + accents + "\nx"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Wrapped(c.text), c.wrapped);
  }
}

TEST(ConsolePaths, ResultsGoBesideTheRoster) {
  const struct {
    const char* input;
    const char* output;
  } cases[] = {
      {"roster.csv", "roster-results.csv"},
      {"C:\\Unit\\A Co.CSV", "C:\\Unit\\A Co-results.csv"},
      {"dir.v2/roster", "dir.v2/roster-results.csv"},
      {".roster", ".roster-results.csv"},
      // A roster saved as text beside the CSV one keeps its own results.
      {"roster.txt", "roster.txt-results.csv"},
      {"roster.csv.bak", "roster.csv.bak-results.csv"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DefaultOutputPath(c.input), c.output);
  }
}

}  // namespace
}  // namespace roster
