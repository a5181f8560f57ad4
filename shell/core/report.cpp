#include "shell/core/report.h"

#include <algorithm>
#include <initializer_list>
#include <utility>

#include "shell/core/text_format.h"

namespace shell {

namespace {

// A personal field as the header prints it: its first characters only, and
// nothing after a NUL (the dialog's fields are C strings).
std::string_view Field(const std::string& text, std::size_t chars = kPersonalFieldChars) {
  std::string_view view = text;
  view = view.substr(0, view.find('\0'));
  return view.substr(0, chars);
}

std::string Concatenated(std::initializer_list<std::string_view> parts) {
  std::string text;
  for (std::string_view part : parts) {
    text += part;
  }
  return text;
}

}  // namespace

Report ReportWithHeader(std::string_view title, std::string_view documentName,
                        const PersonalData& person, int age, char sex) {
  Report report;
  report.documentName = std::string(documentName);
  report.lines.push_back({1, std::string(title), LinePlace::Centre});
  // The name line is built whole rather than through a fixed line buffer: with
  // every name field full it is 97 characters long.
  report.lines.push_back(
      {3,
       Concatenated({"Name: ", Field(person.lastName), ", ", Field(person.firstName), " ",
                     Field(person.middleInitial), "."}),
       LinePlace::Margin});
  report.lines.push_back({3, Concatenated({"Date: ", Field(person.date)}), LinePlace::Middle});
  AddLine(report, 4, Concatenated({"Rank: ", Field(person.rank)}));
  AddLine(report, 5,
          Concatenated({"SSN: ", Field(person.ssn[0], kSsnPartChars[0]), "/",
                        Field(person.ssn[1], kSsnPartChars[1]), "/",
                        Field(person.ssn[2], kSsnPartChars[2])}));
  // "Age: " and any int with its sign fit in 17 characters.
  char ageLine[32];
  const int length = FormatText(ageLine, sizeof ageLine, "Age: %i", age);
  AddLine(report, 6, length > 0 ? std::string(ageLine) : std::string("Age:"));
  // No sex yet (nothing calculated) prints the label alone.
  std::string sexLine = "Sex: ";
  if (sex != '\0') {
    sexLine += sex;
  }
  AddLine(report, 7, std::move(sexLine));
  return report;
}

std::string Written(const LineBuffer& buffer, int length) {
  if (length < 0) {
    return {};
  }
  return std::string(buffer, std::min(static_cast<std::size_t>(length), kLineCapacity - 1));
}

void AddLine(Report& report, int line, std::string text) {
  report.lines.push_back({line, std::move(text), LinePlace::Margin});
}

void AddUnderline(Report& report, int line, std::string prefix, std::string word) {
  report.underlines.push_back({line, std::move(prefix), std::move(word)});
}

}  // namespace shell
