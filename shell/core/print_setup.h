// What printing needs from the system before a page exists: the default
// printer named by the profile, the date the personal data dialog starts
// with, and the ranks its combo box offers.
#pragma once

#include <array>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>

namespace shell {

// The three names a printer device context is created from.
struct PrinterName {
  std::string device;
  std::string driver;
  std::string port;
  friend bool operator==(const PrinterName&, const PrinterName&) = default;
};

// Splits the profile's default-printer entry "device,driver,port". The device
// is the text up to the first comma (it may hold blanks); the driver and the
// port are the next two tokens delimited by commas or blanks. Empty when any
// of the three is missing: then nothing is printed. The entry ends at its
// first NUL, as the caller's buffer does.
std::optional<PrinterName> ParsePrinterDevice(std::string_view profileEntry);

// The default date of the personal data dialog, "DD Mon YYYY" (11
// characters), e.g. "06 Dec 2026". Fields out of their range are brought
// into it, so any std::tm gives a well-formed date.
std::string DefaultDate(const std::tm& local);

// The default date for today, in the local time zone.
std::string TodaysDate();

// The ranks of the personal data dialog's combo box, in list order.
inline constexpr std::array<const char*, 25> kRankTable = {
    "E1/PVT",     "E2/PV2", "E3/PFC",  "E4/SPC/CPL", "E5/SGT", "E6/SSG", "E7/SFC",
    "E8/1SG/MSG", "E9/SGM", "E10/CSM", "W1/CW1",     "W2/CW2", "W3/CW3", "W4/CW4",
    "W5/CW5",     "O1/2LT", "O2/1LT",  "O3/CPT",     "O4/MAJ", "O5/LTC", "O6/COL",
    "O7/BG",      "O8/MG",  "O9/LTG",  "O10/GEN",
};

}  // namespace shell
