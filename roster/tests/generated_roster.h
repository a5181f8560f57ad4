// Rosters of made-up soldiers, the same bytes on every machine and in every
// build: the check that the scoring writes exactly the results it wrote
// before, and the benchmark that times whole rosters, read the same rows.
// Each row depends only on its number, so a roster of any length can be made
// a row at a time. Most rows are sound; now and then one brings what a clerk's
// sheet brings (a name with a comma or a formula, a lower-case sex, a masked
// SSN, readings that disagree, a cell no field takes, an age out of range).
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace roster::generated {

enum class Program { Heftrak, Vorna };

// splitmix64: a few operations a number, and no library's distribution,
// whose results may differ between standard libraries.
class Random {
 public:
  explicit Random(std::uint64_t seed) : state_(seed) {}
  std::uint64_t Next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
  }
  int Pick(int low, int high) {
    return low + static_cast<int>(Next() % static_cast<std::uint64_t>(high - low + 1));
  }
  bool OneIn(int n) { return Pick(1, n) == 1; }

 private:
  std::uint64_t state_;
};

inline constexpr std::string_view kHeftrakHeader =
    "Last,First,MI,Rank,SSN,Age,Sex,Height,Weight,Abdomen1,Abdomen2,Abdomen3,Neck1,Neck2,Neck3,"
    "Hips1,Hips2,Hips3,Forearm1,Forearm2,Forearm3,Wrist1,Wrist2,Wrist3\r\n";
inline constexpr std::string_view kVornaHeader =
    "Last,First,MI,Rank,SSN,Age,Sex,Pushups,Situps,Run\r\n";

inline std::string_view Header(Program program) {
  return program == Program::Heftrak ? kHeftrakHeader : kVornaHeader;
}

template <typename... Args>
void Append(std::string& out, const char* format, Args... args) {
  char text[64];
  const int size = std::snprintf(text, sizeof text, format, args...);
  out.append(text, static_cast<std::size_t>(size < 0 ? 0 : size));
}

// last,first,mi,rank,ssn, then age and sex.
inline void AppendSoldier(Random& random, std::string& out, bool& male) {
  constexpr const char* kLast[] = {"Hale",   "Ibarra", "Kowalski", "Okafor", "Nguyen", "Smith",
                                   "O'Neil", "Garcia", "Brown",    "Lee",    "Novak",  "Jones"};
  constexpr const char* kFirst[] = {"Jordan", "Marisol", "Ben",  "Chidi", "An",   "Dana",
                                    "Pat",    "Kim",     "Alex", "Sam",   "Jean", "Lou"};
  constexpr const char* kRank[] = {"PVT", "PFC", "SPC", "CPL", "SGT", "SSG", "2LT", "CPT", ""};
  if (random.OneIn(200)) {
    out += "\"Smith, Jr.\"";
  } else if (random.OneIn(300)) {
    out += "\"=HYPERLINK(\"\"http://x\"\")\"";
  } else {
    out += kLast[random.Pick(0, 11)];
  }
  out += ',';
  out += kFirst[random.Pick(0, 11)];
  out += ',';
  if (!random.OneIn(4)) {
    out += static_cast<char>('A' + random.Pick(0, 25));
  }
  out += ',';
  out += kRank[random.Pick(0, 8)];
  out += ',';
  switch (random.Pick(0, 5)) {
    case 0:
      break;
    case 1:
      Append(out, "XXX-XX-%04d", random.Pick(0, 9999));
      break;
    case 2:
      Append(out, "%09d", random.Pick(0, 999999999));
      break;
    default:
      Append(out, "%03d-%02d-%04d", random.Pick(1, 899), random.Pick(1, 99), random.Pick(0, 9999));
      break;
  }
  out += ',';
  if (random.OneIn(300)) {
    out += "025";
  } else {
    Append(out, "%d", random.OneIn(100) ? random.Pick(14, 16) : random.Pick(17, 70));
  }
  out += ',';
  male = random.Pick(0, 2) != 0;
  if (!random.OneIn(300)) {
    out += random.OneIn(20) ? (male ? 'm' : 'f') : (male ? 'M' : 'F');
  }
}

// Inches on the quarter-inch grid, as clerks write them: 70, 70.5, 70.25.
inline void AppendInches(Random& random, std::string& out, int quarters) {
  constexpr const char* kFraction[] = {"", ".25", ".5", ".75"};
  if (quarters % 4 == 0 && random.OneIn(3)) {
    Append(out, "%d.00", quarters / 4);
  } else {
    Append(out, "%d%s", quarters / 4, kFraction[quarters % 4]);
  }
}

inline void AppendHeftrakRow(std::uint64_t row, std::string& out) {
  Random random(row * 2 + 1);
  bool male = true;
  AppendSoldier(random, out, male);
  out += ',';
  if (random.OneIn(400)) {
    out += "5ft 9";
  } else if (random.OneIn(400)) {
    Append(out, "%d.1", random.Pick(60, 75));
  } else {
    AppendInches(random, out, 4 * random.Pick(60, 77) + random.Pick(0, 3));
  }
  out += ',';
  if (!random.OneIn(30)) {
    Append(out, "%d", random.Pick(100, 290));
  }
  // Abdomen and neck for men; hips, forearm, neck and wrist for women.
  const int bases[] = {random.Pick(112, 200), random.Pick(50, 76), random.Pick(130, 200),
                       random.Pick(32, 50), random.Pick(22, 30)};
  const bool taped = !random.OneIn(5);
  const bool sites[] = {male, true, !male, !male, !male};
  for (int site = 0; site < 5; ++site) {
    const int readings = taped && sites[site] && !random.OneIn(60) ? random.Pick(1, 3) : 0;
    for (int k = 0; k < 3; ++k) {
      out += ',';
      if (k < readings) {
        const int apart = random.OneIn(40) ? 2 : random.Pick(0, 1);
        AppendInches(random, out, bases[site] + (k == 1 ? apart : 0));
      }
    }
  }
  out += "\r\n";
}

inline void AppendVornaRow(std::uint64_t row, std::string& out) {
  Random random(row * 2 + 2);
  bool male = true;
  AppendSoldier(random, out, male);
  out += ',';
  if (!random.OneIn(15)) {
    Append(out, "%d", random.Pick(0, 110));
  }
  out += ',';
  if (!random.OneIn(15)) {
    Append(out, "%d", random.Pick(0, 110));
  }
  out += ',';
  if (random.OneIn(300)) {
    out += "13m";
  } else if (!random.OneIn(15)) {
    const int minutes = random.Pick(11, 28);
    const int seconds = random.OneIn(80) ? random.Pick(60, 99) : random.Pick(0, 59);
    switch (random.Pick(0, 5)) {
      case 0:
        Append(out, "%d%02d", minutes, seconds);
        break;
      case 1:
        Append(out, "0:%02d:%02d", minutes, seconds);
        break;
      case 2:
        Append(out, seconds < 10 ? "%d:%d" : "%d:%02d", minutes, seconds);
        break;
      default:
        Append(out, "%d:%02d", minutes, seconds);
        break;
    }
  }
  out += "\r\n";
}

inline void AppendRow(Program program, std::uint64_t row, std::string& out) {
  if (program == Program::Heftrak) {
    AppendHeftrakRow(row, out);
  } else {
    AppendVornaRow(row, out);
  }
}

// The header and `rows` rows.
inline std::string Roster(Program program, int rows) {
  std::string roster(Header(program));
  roster.reserve(static_cast<std::size_t>(rows) * 100);
  for (int row = 0; row < rows; ++row) {
    AppendRow(program, static_cast<std::uint64_t>(row), roster);
  }
  return roster;
}

}  // namespace roster::generated
