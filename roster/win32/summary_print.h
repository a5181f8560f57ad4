// The summary page on paper, through the print path of the reports: the
// default printer, one job, the alert and the reason when it fails.
#pragma once

#include <string>

#include "roster/core/summary_page.h"

namespace roster {

// The page's lines, its chart and its lists over as many sheets as they
// take; false, with why, when the printer did not take them all.
bool PrintSummaryPage(const SummaryPage& page, std::string& why);

}  // namespace roster
