// The field model reports what a window's edit controls report, where they
// report it: a reaction's requests follow the request that caused it.
#include "shell/core/field_model.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/tests/request_text.h"

namespace shell {
namespace {

using Lines = std::vector<std::string>;

// Four fields: 2 is multi-line, 3 a read-only result. Every report is kept
// as a line; a change of field 0 writes "x" into field 1 as the program's own.
class Recorder final : public FieldReactions {
 public:
  void FieldChanged(int field, Write write, RequestList& requests) override {
    reports.push_back("changed " + std::to_string(field) + requests::WriteName(write));
    if (field == 0) {
      requests.SetText(1, "x", Write::Rewrite);
    }
  }
  void FieldFocused(int from, int to, bool byProgram, RequestList& /*requests*/) override {
    reports.push_back("focused " + std::to_string(from) + " -> " + std::to_string(to) +
                      (byProgram ? " by the program" : ""));
  }
  Lines reports;
};

const FieldKinds kKinds = {
    4,
    [](int field) { return field == 2; },
    [](int field) { return field == 3; },
    1,
};

TEST(FieldModel, ReportsWhatTheFieldsWouldReport) {
  const struct {
    const char* name;
    void (*command)(RequestList& r);
    Lines reports;
  } cases[] = {
      {"a single-line field reports every text set, the same one included",
       [](RequestList& r) {
         r.SetText(1, "M", Write::KeepMaleOnly);
         r.SetText(1, "M", Write::Edit);
         r.SetText(1, "", Write::Rewrite);
       },
       {"changed 1 keep", "changed 1 edit", "changed 1"}},
      {"a multi-line field reports no text set",
       [](RequestList& r) { r.SetText(2, "5", Write::Edit); },
       {}},
      {"emptied, a field reports only when it held a text",
       [](RequestList& r) {
         r.EmptyField(1);
         r.SetText(2, "5", Write::Edit);
         r.EmptyField(2);
         r.EmptyField(2);
       },
       {"changed 2 edit"}},
      {"the field losing the focus reports first, then the one gaining it",
       [](RequestList& r) {
         r.Focus(2);
         r.Focus(2);
         r.SelectAll(1);
         r.Focus(1);
       },
       {"focused -1 -> 2 by the program", "focused 2 -> 1 by the program"}},
      {"no field, no report", [](RequestList& r) { r.Focus(7); }, {}},
  };
  for (const auto& c : cases) {
    Recorder recorder;
    FieldModel fields(kKinds, recorder);
    fields.Run(c.command);
    EXPECT_EQ(recorder.reports, c.reports) << c.name;
  }
}

TEST(FieldModel, AReactionsRequestsFollowTheRequestThatCausedThem) {
  Recorder recorder;
  FieldModel fields(kKinds, recorder);
  const RequestList list = fields.Run([](RequestList& r) {
    r.SetText(0, "25", Write::Edit);
    r.Alert();
  });
  EXPECT_EQ(requests::Render(list), (Lines{"set 0 '25' edit", "set 1 'x'", "alert"}));
  EXPECT_EQ(fields.Text(0), "25");
  EXPECT_EQ(fields.Text(1), "x");
}

// The caret goes back to the last field written or entered, never to a
// read-only result; a request for the focus target finds it there.
TEST(FieldModel, TheFocusTargetFollowsWritesAndMovesButNotIntoAResult) {
  Recorder recorder;
  FieldModel fields(kKinds, recorder);
  EXPECT_EQ(fields.focusTarget(), 1);
  const RequestList list = fields.Run([](RequestList& r) {
    r.SetText(3, "18.81", Write::Rewrite);
    r.FocusTarget();
    r.SetText(2, "5", Write::Edit);  // multi-line: reports nothing
    r.EmptyField(0);                 // empty: reports nothing
    r.FocusTarget();
    r.Focus(0);
    r.FocusTarget();
  });
  EXPECT_EQ(requests::Render(list), (Lines{"set 3 '18.81'", "focus 1", "set 2 '5' edit", "empty 0",
                                           "focus 1", "focus 0", "focus 0"}));
  fields.Entered(3);
  EXPECT_EQ(fields.focusTarget(), 0);
  fields.Entered(2);
  EXPECT_EQ(fields.focusTarget(), 2);
}

// A figure the program writes is kept as its number until somebody reads
// it: whoever reads it, and however, finds the text the window shows.
TEST(FieldModel, AWrittenFigureReadsAsTheTextTheWindowShows) {
  Recorder recorder;
  FieldModel fields(kKinds, recorder);
  const RequestList list = fields.Run([](RequestList& r) {
    r.SetFigure(1, 3.5f, 5, Align::Right);
    r.SetFigure(2, -1234.567f, 0, Align::Left);  // longer than a field's place
  });
  const FieldSnapshot<4> copy(fields);
  EXPECT_EQ(copy.texts()[1], " 3.50");
  EXPECT_EQ(copy.texts()[2], "-1234.5") << "the first seven characters";
  EXPECT_EQ(fields.Snapshot()[1], " 3.50");
  EXPECT_EQ(fields.Text(1), " 3.50");
  EXPECT_EQ(fields.Text(2), "-1234.57");
  EXPECT_EQ(requests::Render(list), (Lines{"set 1 ' 3.50'", "set 2 '-1234.57'"}));
  fields.Run([](RequestList& r) { r.EmptyField(1); });
  EXPECT_EQ(recorder.reports, (Lines{"changed 1", "changed 1 edit"}))
      << "written and then emptied: the field held a text";
}

TEST(FieldModel, TheClerksMovesAndEditsAreReportedAsTheClerks) {
  Recorder recorder;
  FieldModel fields(kKinds, recorder);
  fields.Entered(0);
  fields.Left(0);
  fields.Entered(2);
  const RequestList list = fields.Changed(0, "3");
  EXPECT_EQ(recorder.reports,
            (Lines{"focused -1 -> 0", "focused 0 -> 2", "changed 0 edit", "changed 1"}));
  EXPECT_EQ(requests::Render(list), Lines{"set 1 'x'"});
  EXPECT_EQ(fields.focusTarget(), 1) << "the program's write came last";
}

}  // namespace
}  // namespace shell
