#include "heftrak/roster/roster_fields.h"

#include "roster/core/cells.h"

namespace heftrak {

namespace {

struct Site {
  int firstCell;
  const char* name;
  char sex;  // the only sex it is measured for; '\0': both (neck)
  int maleSite;
  int femaleSite;
};

constexpr Site kSites[] = {
    {kAbdomenCells, "abdomen", 'M', kAbdomen, -1},
    {kNeckCells, "neck", '\0', kMaleNeck, kFemaleNeck},
    {kHipsCells, "hip", 'F', -1, kHips},
    {kForearmCells, "forearm", 'F', -1, kForearm},
    {kWristCells, "wrist", 'F', -1, kWrist},
};

bool AnyEntered(std::span<const std::string_view> cells, int first) {
  // Most sites of a row are empty: their cells asked all at once.
  static_assert(kReadingsPerSite == 3);
  const auto at = static_cast<std::size_t>(first);
  if ((cells[at].size() | cells[at + 1].size() | cells[at + 2].size()) == 0) {
    return false;
  }
  for (int k = 0; k < kReadingsPerSite; ++k) {
    if (!roster::Trimmed(cells[static_cast<std::size_t>(first + k)]).empty()) {
      return true;
    }
  }
  return false;
}

class RowBuilder {
 public:
  RowBuilder(std::span<const std::string_view> cells, std::span<const roster::FigureColumn> columns,
             RowFields& fields, std::string& why)
      : row(fields), refusal(why), cells_(cells), columns_(columns) {
    for (std::size_t i = 0; i < row.filledCount; ++i) {
      row.texts[static_cast<std::size_t>(row.filled[i])] = {};
    }
    row.filledCount = 0;
    row.readings = false;
    refusal.clear();
  }

  std::string_view Cell(int index) const { return cells_[static_cast<std::size_t>(index)]; }

  void Refuse(int index, std::string_view expected) {
    if (refusal.empty()) {
      roster::AppendCellRefusal(refusal, columns_[static_cast<std::size_t>(index)].name,
                                Cell(index), expected);
    }
  }

  void Digits(int index, FieldId field, std::size_t digits, std::string_view expected) {
    if (const auto text = roster::DigitsCell(Cell(index), digits)) {
      row.Fill(field, *text);
    } else {
      Refuse(index, expected);
    }
  }

  // Whole inches and hundredths into a field and the one after it.
  void Inches(int index, FieldId whole) {
    if (const auto parts = roster::InchesCell(Cell(index))) {
      row.Fill(whole, (*parts)[0]);
      row.Fill(HundredthsOf(whole), (*parts)[1]);
    } else {
      Refuse(index, roster::kExpectInches);
    }
  }

  RowFields& row;
  std::string& refusal;

 private:
  std::span<const std::string_view> cells_;
  std::span<const roster::FigureColumn> columns_;
};

}  // namespace

bool FieldsOfRow(std::span<const std::string_view> cells,
                 std::span<const roster::FigureColumn> columns, RowFields& row,
                 std::string& refusal) {
  RowBuilder b(cells, columns, row, refusal);
  b.Digits(kAgeCell, kAge, 2, roster::kExpectTwoDigits);
  const auto sex = roster::SexCell(b.Cell(kSexCell));
  if (sex) {
    b.row.Fill(kSex, *sex);
  } else {
    b.Refuse(kSexCell, roster::kExpectSex);
  }
  b.Inches(kHeightCell, kHeightWhole);
  b.Digits(kWeightCell, kWeight, 3, roster::kExpectThreeDigits);

  // Without a sex the neck goes with the abdomen when there is one, as a
  // clerk would type it; Check then asks for the sex.
  const char letter = sex && !sex->empty() ? sex->front() : '\0';
  const bool male = letter == 'M' || (letter == '\0' && AnyEntered(cells, kAbdomenCells));
  for (const Site& site : kSites) {
    if (!AnyEntered(cells, site.firstCell)) {
      continue;
    }
    if (site.sex != '\0' && letter != '\0' && site.sex != letter) {
      int first = site.firstCell;
      while (roster::Trimmed(b.Cell(first)).empty()) {
        ++first;
      }
      if (refusal.empty()) {
        refusal.append("Column \"").append(columns[static_cast<std::size_t>(first)].name);
        refusal.append("\" holds a reading, but the ")
            .append(site.name)
            .append(" is measured for ");
        refusal.append(site.sex == 'M' ? "men" : "women").append(" only.");
      }
      continue;
    }
    const bool toMale = site.sex == 'M' || (site.sex == '\0' && male);
    for (int k = 0; k < kReadingsPerSite; ++k) {
      b.Inches(site.firstCell + k, toMale ? MaleReadingWhole(site.maleSite, k)
                                          : FemaleReadingWhole(site.femaleSite, k));
    }
    row.readings = true;
  }
  return refusal.empty();
}

}  // namespace heftrak
