// A printed report as data: which text stands on which line, where, and
// which word of a verdict is underlined. The Win32 page only measures and
// draws what this says, so every line is decided and tested here.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace shell {

enum class LinePlace {
  Margin,  // left-aligned at the left margin
  Middle,  // left-aligned, starting at the middle of the page (the header's date)
  Centre,  // centred on the middle of the page (the title)
};

struct ReportLine {
  int line = 0;  // line k has its top at k times the line height
  std::string text;
  LinePlace place = LinePlace::Margin;
  // 0: printed at the page's character height, with every other line; else
  // the height this line alone is printed at (a long name fitted before the
  // Date), on the same baseline.
  int characterHeight = 0;
  friend bool operator==(const ReportLine&, const ReportLine&) = default;
};

// A rule under `word` of a margin line whose text starts with prefix + word,
// drawn at the top of the next line.
struct Underline {
  int line = 0;
  std::string prefix;
  std::string word;
  friend bool operator==(const Underline&, const Underline&) = default;
};

struct Report {
  std::string documentName;  // the name the print spooler shows
  std::vector<ReportLine> lines;
  std::vector<Underline> underlines;
};

// What the personal data dialog holds at print time, each field at most
// kPersonalFieldChars characters.
struct PersonalData {
  std::string lastName;
  std::string firstName;
  std::string middleInitial;
  std::string rank;
  std::string ssn[3];
  std::string date;
};

inline constexpr std::size_t kPersonalFieldChars = 29;
// The three parts of a social security number: 3, 2 and 4 digits.
inline constexpr std::size_t kSsnPartChars[3] = {3, 2, 4};

// The title (line 1, centred) and the personal data header (lines 3 to 7).
// `sex` is the letter the calculation used; '\0' prints as nothing.
Report ReportWithHeader(std::string_view title, std::string_view documentName,
                        const PersonalData& person, int age, char sex);

// Room for any body line with its figures; FormatText into it and take the
// text with Written.
inline constexpr std::size_t kLineCapacity = 160;
using LineBuffer = char[kLineCapacity];

// What FormatText wrote into a line buffer (cut at its end); empty when it failed.
std::string Written(const LineBuffer& buffer, int length);

// Adds a margin line (and, for a verdict, its underline).
void AddLine(Report& report, int line, std::string text);
void AddUnderline(Report& report, int line, std::string prefix, std::string word);

}  // namespace shell
