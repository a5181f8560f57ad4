#include "shell/core/report.h"

#include <gtest/gtest.h>

#include <climits>
#include <ctime>
#include <string>
#include <vector>

#include "shell/core/print_setup.h"

namespace shell {
namespace {

PersonalData Person() {
  return {"Doe", "John", "Q", "E5/SGT", {"123", "45", "6789"}, "06 Dec 2026"};
}

TEST(ReportWithHeader, PlacesTitleAndPersonalDataOnTheirLines) {
  const Report report =
      ReportWithHeader("Body Fat Content Report", "Weight Control", Person(), 25, 'M');
  EXPECT_EQ(report.documentName, "Weight Control");
  const std::vector<ReportLine> expected = {
      {1, "Body Fat Content Report", LinePlace::Centre},
      {3, "Name: Doe, John Q.", LinePlace::Margin},
      {3, "Date: 06 Dec 2026", LinePlace::Middle},
      {4, "Rank: E5/SGT", LinePlace::Margin},
      {5, "SSN: 123/45/6789", LinePlace::Margin},
      {6, "Age: 25", LinePlace::Margin},
      {7, "Sex: M", LinePlace::Margin},
  };
  EXPECT_EQ(report.lines, expected);
  EXPECT_TRUE(report.underlines.empty());
}

TEST(ReportWithHeader, EmptyFieldsAndNoSexPrintOnlyTheLabels) {
  const Report report = ReportWithHeader("T", "D", PersonalData{}, 0, '\0');
  const std::vector<std::string> expected = {
      "T", "Name: ,  .", "Date: ", "Rank: ", "SSN: //", "Age: 0", "Sex: "};
  ASSERT_EQ(report.lines.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(report.lines[i].text, expected[i]);
  }
  // No NUL byte may ride along in the text the page measures and draws.
  EXPECT_EQ(report.lines.back().text.find('\0'), std::string::npos);
}

TEST(ReportWithHeader, PrintsFullNameLineAndCutsEachFieldToWhatItHolds) {
  PersonalData person = Person();
  person.lastName = std::string(29, 'L');
  person.firstName = std::string(29, 'F');
  person.middleInitial = std::string(29, 'M');
  const Report full = ReportWithHeader("T", "D", person, 30, 'F');
  const std::string name =
      "Name: " + person.lastName + ", " + person.firstName + " " + person.middleInitial + ".";
  ASSERT_EQ(name.size(), 97u);
  EXPECT_EQ(full.lines[1].text, name);

  // Longer texts are cut to what their fields hold: 29 characters, and 3, 2
  // and 4 digits of the SSN's parts.
  PersonalData longer = person;
  longer.lastName += "xyz";
  longer.firstName += "xyz";
  longer.middleInitial += "xyz";
  longer.rank = std::string(40, 'R');
  longer.date = std::string(40, 'D');
  for (std::string& part : longer.ssn) {
    part = std::string(35, '9');
  }
  const Report cut = ReportWithHeader("T", "D", longer, 30, 'F');
  EXPECT_EQ(cut.lines[1].text, name);
  EXPECT_EQ(cut.lines[2].text, "Date: " + std::string(29, 'D'));
  EXPECT_EQ(cut.lines[3].text, "Rank: " + std::string(29, 'R'));
  EXPECT_EQ(cut.lines[4].text, "SSN: 999/99/9999");
}

TEST(ReportWithHeader, PrintsExtremeAges) {
  EXPECT_EQ(ReportWithHeader("T", "D", {}, INT_MIN, 'M').lines[5].text, "Age: -2147483648");
  EXPECT_EQ(ReportWithHeader("T", "D", {}, INT_MAX, 'M').lines[5].text, "Age: 2147483647");
}

struct ParseCase {
  std::string entry;
  std::optional<PrinterName> expected;
};

TEST(ParsePrinterDevice, SplitsDeviceDriverAndPort) {
  const ParseCase cases[] = {
      {"Office Printer 2,DRV5,LPT1:", PrinterName{"Office Printer 2", "DRV5", "LPT1:"}},
      {"Office Printer 2,DRV5 X,LPT1:", PrinterName{"Office Printer 2", "DRV5", "X"}},
      {"PDF,wineps.drv,CUPS:PDF", PrinterName{"PDF", "wineps.drv", "CUPS:PDF"}},
      {"P,, drv ,, port ,", PrinterName{"P", "drv", "port"}},
      {"Office Printer 2", std::nullopt},
      {",,,", std::nullopt},  // the profile's default for a missing entry
      {"", std::nullopt},
      {",DRV5,LPT1:", std::nullopt},
      {"Office Printer 2,DRV5", std::nullopt},
      {"Office Printer 2,DRV5,", std::nullopt},
      {"Office Printer 2,   ,  ", std::nullopt},
      {std::string("P,DRV5\0,LPT1:", 13), std::nullopt},  // the entry ends at its NUL
      {std::string(5000, ',') + "x", std::nullopt},
      {std::string(100, 'D') + "," + std::string(100, 'R') + "," + std::string(100, 'P'),
       PrinterName{std::string(100, 'D'), std::string(100, 'R'), std::string(100, 'P')}},
  };
  for (const ParseCase& c : cases) {
    EXPECT_EQ(ParsePrinterDevice(c.entry), c.expected) << '"' << c.entry << '"';
  }
}

std::tm Date(int day, int month, int year) {
  std::tm local{};
  local.tm_mday = day;
  local.tm_mon = month - 1;
  local.tm_year = year - 1900;
  return local;
}

TEST(DefaultDate, AgreesWithTheAsctimeSlicesForEveryDay) {
  // Some C libraries refuse a day the month does not have.
  constexpr int kDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  for (int year : {1999, 2000, 2026, 2038}) {
    for (int month = 1; month <= 12; ++month) {
      const bool leap = year % 4 == 0;
      const int days = month == 2 && !leap ? 28 : kDays[month - 1];
      for (int day = 1; day <= days; ++day) {
        const std::tm local = Date(day, month, year);
        const char* form = std::asctime(&local);
        ASSERT_NE(form, nullptr) << year << "-" << month << "-" << day;
        std::string expected =
            std::string(form + 8, 3) + std::string(form + 4, 4) + std::string(form + 20, 4);
        if (expected[0] == ' ') {
          expected[0] = '0';
        }
        EXPECT_EQ(DefaultDate(local), expected) << form;
      }
    }
  }
}

TEST(DefaultDate, BringsFieldsOutOfRangeIntoRange) {
  struct Case {
    int day;
    int month;  // tm_mon
    int year;   // tm_year
    const char* expected;
  };
  const Case cases[] = {
      {0, 0, 100, "01 Jan 2000"},
      {32, 11, 100, "31 Dec 2000"},
      {-5, -1, 100, "01 Jan 2000"},
      {15, 12, 100, "15 Dec 2000"},
      {INT_MIN, INT_MAX, INT_MAX, "01 Dec 9999"},
      {INT_MAX, INT_MIN, INT_MIN, "31 Jan 0000"},
      {5, 5, -1000, "05 Jun 0900"},
  };
  for (const Case& c : cases) {
    std::tm local{};
    local.tm_mday = c.day;
    local.tm_mon = c.month;
    local.tm_year = c.year;
    const std::string date = DefaultDate(local);
    EXPECT_EQ(date, c.expected);
    EXPECT_EQ(date.size(), 11u);
  }
}

}  // namespace
}  // namespace shell
