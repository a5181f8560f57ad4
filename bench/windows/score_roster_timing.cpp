// Times Score a Roster in a program's window under Wine, as the clerk meets
// it: from pressing Open in the Open dialog to the summary shown, for a
// generated roster (roster/tests/generated_roster.h). Built once per
// program (TIMED_HEFTRAK or TIMED_VORNA); roster_window.sh runs it.
//   score_roster_timing.exe [ROWS]
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "roster/tests/generated_roster.h"
#include "roster/tests/window_driver.h"

#if defined(TIMED_HEFTRAK)
#include "heftrak/win32/program.h"
namespace timed = heftrak;
constexpr auto kGenerated = roster::generated::Program::Heftrak;
#else
#include "vorna/win32/program.h"
namespace timed = vorna;
constexpr auto kGenerated = roster::generated::Program::Vorna;
#endif

namespace {

int rows = 100000;

class ScoreRosterTiming : public harness::ProgramSuite<&timed::Program> {};

double Seconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
  LARGE_INTEGER frequency{};
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

TEST_F(ScoreRosterTiming, FromTheChoiceToTheSummary) {
  const std::string folder = harness::WorkFolder("roster-timing");
  const std::string path = folder + "roster.csv";
  harness::WriteFileBytes(path, roster::generated::Roster(kGenerated, rows));
  LARGE_INTEGER chosen{};
  LARGE_INTEGER summary{};
  harness::SummaryShown shown;
  const harness::DialogStep choose = harness::ChooseFile(path);
  const bool done = harness::RunDialogs(&harness::ChooseScoreARoster,
                                        {[&](HWND dialog) {
                                           QueryPerformanceCounter(&chosen);
                                           return choose(dialog);
                                         },
                                         [&](HWND dialog) {
                                           if (!harness::IsSummary(dialog)) {
                                             return false;
                                           }
                                           QueryPerformanceCounter(&summary);
                                           shown = harness::ReadSummary(dialog);
                                           harness::Click(dialog, roster::kRosterCloseId);
                                           return true;
                                         }},
                                        600);
  ASSERT_TRUE(done);
  ASSERT_FALSE(shown.figures.empty());
  EXPECT_EQ(shown.figures[0], "Rows read: " + std::to_string(rows));
  std::printf("%.3f s from the choice to the summary (%d rows)\n", Seconds(chosen, summary), rows);
  DeleteFileA(path.c_str());
  DeleteFileA((folder + "roster-results.csv").c_str());
  RemoveDirectoryA(folder.c_str());
}

}  // namespace

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  if (argc > 1) {
    rows = std::atoi(argv[1]);
  }
  return RUN_ALL_TESTS();
}
