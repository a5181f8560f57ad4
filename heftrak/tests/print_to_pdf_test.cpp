// Prints real reports: HEFTRAK driven by keyboard through its own message
// loop, the personal data dialog filled in and its Print button pressed.
// The script around this test (print_to_pdf.sh) checks the PDFs that the
// print system writes, and names in PRINT_RANK the rank that marks this
// run's reports and in REFUSING_PRINTER a printer that refuses every job.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <string>
#include <utility>

#include "heftrak/win32/program.h"
#include "shell/tests/win32_harness.h"
#include "shell/win32/observer.h"

namespace heftrak {
namespace {

std::string Environment(const char* name, const char* fallback) {
  const char* value = std::getenv(name);
  return value != nullptr && *value != '\0' ? value : fallback;
}

void SetName(HWND dialog, const char* last, const char* first, const char* middle) {
  SetDlgItemTextA(dialog, 64, last);
  SetDlgItemTextA(dialog, 65, first);
  SetDlgItemTextA(dialog, 66, middle);
}

TEST(PrintToPdf, ClerkPrintsTheBodyFatReports) {
  const std::string rank = Environment("PRINT_RANK", "SGT");
  const std::string refusing = Environment("REFUSING_PRINTER", "");
  ASSERT_FALSE(refusing.empty()) << "REFUSING_PRINTER names no printer";
  ASSERT_TRUE(shell::StartProgram(GetModuleHandleA(nullptr), SW_SHOW, Program()));
  harness::Pump();
  harness::FocusField(0);
  harness::Type("25");
  harness::Press(VK_TAB);
  harness::Type("m");
  harness::Press(VK_TAB);
  harness::Type("7200");  // 72 advances into the hundredths
  harness::Press(VK_TAB);
  harness::Type("210");
  harness::PressAlt('k');  // Check: not within, the caret goes to the abdomen
  harness::Type("4000");
  harness::Press(VK_TAB);
  harness::Type("4025");
  harness::Press(VK_TAB);
  harness::Press(VK_TAB);
  harness::Type("1500");
  harness::Press(VK_TAB);
  harness::Type("1525");
  harness::PressAlt('c');  // Calculate

  int alerts = 0;
  shell::Observer observer;
  observer.alerted = [&alerts] { ++alerts; };
  int alertsAfterGoodPrints = -1;
  bool stillOpen = false;
  harness::WithModalDialog(
      [] { harness::PressAlt('p'); },
      [&](HWND dialog) {
        // The dialog's own loop is not the one pumping
        // here, so its fields are filled directly.
        const std::pair<int, const char*> fields[] = {
            {61, "123"}, {62, "45"}, {63, "6789"}, {67, rank.c_str()}};
        for (const auto& [id, text] : fields) {
          SetDlgItemTextA(dialog, id, text);
        }
        SetDlgItemTextA(dialog, 68, "07 Dec 2026");
        const auto print = [dialog] { SendDlgItemMessageA(dialog, 200, BM_CLICK, 0, 0); };
        shell::Observe(&observer);
        SetName(dialog, "Doe", "John", "Q");
        print();
        print();
        // Long names, which once ran under the date.
        SetName(dialog, "Johnson", "Michael", "A");
        print();
        // The longest the dialog allows: every name field holds 29 characters.
        SetName(dialog, "Vandenberghe-Montgomery-Smith", "Alexander-Maximilian-Fredrick",
                "JOHANNES-CHRISTOPH-BARTHOLOMY");
        print();
        alertsAfterGoodPrints = alerts;
        // A printer that opens but refuses the job.
        const std::string saved =
            harness::SetDefaultPrinter(refusing + ",wineps.drv,CUPS:" + refusing);
        print();
        harness::SetDefaultPrinter(saved);
        shell::Observe(nullptr);
        stillOpen = IsWindow(dialog) != 0;
        SendDlgItemMessageA(dialog, 201, BM_CLICK, 0, 0);
        return true;
      });
  EXPECT_EQ(alertsAfterGoodPrints, 0) << "a report that printed sounded the alert";
  EXPECT_EQ(alerts, 1) << "the refused report must sound the alert once";
  EXPECT_TRUE(stillOpen);
  DestroyWindow(shell::App().mainWindow);
  harness::Pump();
  shell::FinishProgram();
}

}  // namespace
}  // namespace heftrak
