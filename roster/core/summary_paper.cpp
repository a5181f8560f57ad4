#include "roster/core/summary_paper.h"

#include <algorithm>
#include <cstddef>
#include <utility>

namespace roster {

namespace {

// Lines laid on sheets one after another, a new sheet where the next part
// does not fit on this one.
class Sheets {
 public:
  Sheets(const SummaryPage& page, int linesPerPage)
      : title_(page.title), last_(std::max(linesPerPage, kFewestPaperLines) - 1) {
    NewSheet();
  }

  // Room left on this sheet, in lines, before its number's line and the
  // blank above it.
  int Room() const { return last_ - 1 - next_; }
  bool Fresh() const { return next_ == kFirstBodyLine; }

  void NewSheet() {
    shell::Report& report = sheets_.reports.emplace_back();
    sheets_.chartLines.push_back(0);
    report.documentName = kSummaryDocumentName;
    report.lines.push_back({1, title_, shell::LinePlace::Centre});
    next_ = kFirstBodyLine;
  }

  // A blank line between parts, unless the sheet has just begun.
  void Gap() {
    if (!Fresh()) {
      ++next_;
    }
  }

  // Keeps `lines` together: on a new sheet when they do not fit this one
  // (unless it is fresh: then they run on).
  void Together(int lines) {
    if (lines > Room() && !Fresh()) {
      NewSheet();
    }
  }

  void Add(const std::string& text) {
    if (Room() <= 0) {
      NewSheet();
    }
    if (!text.empty()) {
      shell::AddLine(sheets_.reports.back(), next_, text);
    }
    ++next_;
  }

  void Chart() {
    Together(kChartLines);
    sheets_.chartLines.back() = next_;
    next_ += kChartLines;
  }

  PaperSheets Numbered() {
    const std::size_t count = sheets_.reports.size();
    if (count > 1) {
      for (std::size_t k = 0; k < count; ++k) {
        std::string number = "Page ";
        AppendWhole(AppendWhole(number, static_cast<long long>(k + 1)).append(" of "),
                    static_cast<long long>(count));
        sheets_.reports[k].lines.push_back({last_, std::move(number), shell::LinePlace::Centre});
      }
    }
    return std::move(sheets_);
  }

 private:
  static constexpr int kFirstBodyLine = 3;
  std::string title_;
  int last_;  // the sheet's last line: its number
  int next_ = kFirstBodyLine;
  PaperSheets sheets_;
};

}  // namespace

PaperSheets SummaryPaper(const SummaryPage& page, int linesPerPage) {
  Sheets sheets(page, linesPerPage);
  for (const PageBlock& block : PageBlocks(page)) {
    sheets.Gap();
    if (block.kind == PageBlock::Kind::Chart) {
      sheets.Chart();
      continue;
    }
    // A table stays together. A list keeps its caption, its column captions
    // and a first soldier together, and has the captions again on each
    // further sheet.
    const auto heading = block.lines.begin() + static_cast<std::ptrdiff_t>(block.heading);
    const auto head = [&] {
      std::for_each(block.lines.begin(), heading,
                    [&](const std::string& line) { sheets.Add(line); });
    };
    sheets.Together(static_cast<int>(block.kind == PageBlock::Kind::List ? block.heading + 1
                                                                         : block.lines.size()));
    head();
    for (auto row = heading; row != block.lines.end(); ++row) {
      if (sheets.Room() <= 0) {
        sheets.NewSheet();
        head();
      }
      sheets.Add(*row);
    }
  }
  return sheets.Numbered();
}

std::string WidestPaperLine(const SummaryPage& page) {
  std::string widest = "Page 999 of 999";
  for (const std::string& line : PageLines(page)) {
    if (PageWidth(line) > PageWidth(widest)) {
      widest = line;
    }
  }
  return widest;
}

}  // namespace roster
