// Prints a real report: HEFTRAK driven by keyboard through its own message
// loop, the personal data dialog filled in and its Print button pressed
// twice. The script around this test (print_to_pdf.sh) checks the PDFs
// that the print system writes.
#include <gtest/gtest.h>

#include <windows.h>

#include <utility>

#include "heftrak/win32/program.h"
#include "shell/tests/win32_harness.h"

namespace heftrak {
namespace {

TEST(PrintToPdf, ClerkPrintsTheBodyFatReportTwice) {
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

  int printed = 0;
  bool stillOpen = false;
  harness::WithModalDialog([] { harness::PressAlt('p'); },
                           [&](HWND dialog) {
                             // The dialog's own loop is not the one pumping
                             // here, so its fields are filled directly.
                             const std::pair<int, const char*> fields[] = {
                                 {64, "Doe"}, {65, "John"}, {66, "Q"},  {61, "123"},
                                 {62, "45"},  {63, "6789"}, {67, "SGT"}};
                             for (const auto& [id, text] : fields) {
                               SetDlgItemTextA(dialog, id, text);
                             }
                             SetDlgItemTextA(dialog, 68, "07 Dec 2026");
                             for (int i = 0; i < 2; ++i) {
                               SendDlgItemMessageA(dialog, 200, BM_CLICK, 0, 0);
                               ++printed;
                             }
                             stillOpen = IsWindow(dialog) != 0;
                             SendDlgItemMessageA(dialog, 201, BM_CLICK, 0, 0);
                             return true;
                           });
  EXPECT_EQ(printed, 2);
  EXPECT_TRUE(stillOpen);
  DestroyWindow(shell::App().mainWindow);
  harness::Pump();
  shell::FinishProgram();
}

}  // namespace
}  // namespace heftrak
