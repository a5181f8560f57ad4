// Wrapping as a reader meets it: every row fits, nothing is lost or
// reordered, no row holds punctuation alone, no character is cut in two.
#include "shell/core/line_break.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <iterator>
#include <string>
#include <vector>

namespace shell {
namespace {

bool PunctuationOnly(const std::string& row) {
  return !row.empty() && std::all_of(row.begin(), row.end(), [](char c) {
    return std::ispunct(static_cast<unsigned char>(c)) != 0;
  });
}

// The text without its blanks: what no wrapping may change.
std::string Unspaced(std::string_view text) {
  std::string out;
  std::copy_if(text.begin(), text.end(), std::back_inserter(out), [](char c) { return c != ' '; });
  return out;
}

TEST(WrapRows, EveryRowFitsAndTheTextStaysWhole) {
  const char* texts[] = {
      "Name: Abcdefghijklmnopqrstuvwxyzabc,  .",
      "Name: Featherstonehaugh-Cholmondely, Maximiliana-Josephine-Annabel Q.",
      "The report of line 2 (Featherstonehaugh-Cholmondely, Maximiliana-Josephine-Annabel) "
      "was not printed: the default printer did not take the page; 0 of 2 reports printed.",
      "C:\\Users\\clerk\\Documents\\Rosters\\2026\\Company-B-second-platoon-roster.csv could "
      "not be read again",
      "Caf\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9 (M\xC3\xBCller, J\xC3\xA9r\xC3"
      "\xB4me)",
      "WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW.",
  };
  for (const char* text : texts) {
    for (std::size_t room : {9u, 13u, 20u, 37u, 50u, 200u}) {
      SCOPED_TRACE(testing::Message() << room << " " << text);
      const std::vector<std::string> rows =
          WrapRows(text, [room](std::string_view row) { return row.size() <= room; });
      for (const std::string& row : rows) {
        EXPECT_TRUE(row.size() <= room || row.size() == 1) << row;
        EXPECT_FALSE(PunctuationOnly(row)) << row;
        EXPECT_FALSE(row.empty() || (static_cast<unsigned char>(row[0]) & 0xC0) == 0x80) << row;
      }
      std::string joined;
      for (const std::string& row : rows) {
        joined += row;
      }
      EXPECT_EQ(Unspaced(joined), Unspaced(text));
    }
  }
}

TEST(WrapRows, ALoneFullStopStaysWithItsWord) {
  const auto fits = [](std::string_view row) { return row.size() <= 37; };
  EXPECT_EQ(WrapRows("Name: Abcdefghijklmnopqrstuvwxyzabc,  .", fits),
            (std::vector<std::string>{"Name:", "Abcdefghijklmnopqrstuvwxyzabc,  ."}));
  EXPECT_EQ(WrapRows("5 reports printed.\n3 reports hold only", fits),
            (std::vector<std::string>{"5 reports printed.", "3 reports hold only"}));
}

}  // namespace
}  // namespace shell
