// What a user gets of a roster's run, in a few lines a test can keep: the
// summary, and the SHA-256 (as `sha256sum` prints it) of the results file
// and of the refused rows the summary lists. A results file of many
// megabytes is checked against the digest of the bytes it must be.
#pragma once

#include <string>
#include <string_view>

#include "roster/core/run.h"

namespace roster {

// The SHA-256 of the text, in lower-case hex as `sha256sum` prints it.
std::string Sha256(std::string_view text);

struct RunDigest {
  std::string summary;  // SummaryText
  std::string results;  // the results file's SHA-256
  std::string refused;  // of the refused rows listed: line, soldier and message each
};

inline RunDigest DigestOfRun(const RosterProgram& program, std::string_view roster) {
  std::string results;
  const RosterSummary summary = ScoreRosterText(program, roster, results);
  std::string refused;
  for (const RefusedRow& row : summary.refusedRows) {
    refused.append(std::to_string(row.line)).append("|").append(row.soldier);
    refused.append("|").append(row.message).append("\n");
  }
  return {SummaryText(program, summary), Sha256(results), Sha256(refused)};
}

}  // namespace roster
