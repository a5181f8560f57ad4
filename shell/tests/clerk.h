// A clerk at a window model, with no window at all: clicks into fields,
// types and presses commands, and reads what the model answers as lines
// (request_text.h). The model is told what a real window's fields would
// report: a click moves the focus (the field left reports, then the one
// entered), every keystroke changes the text by one character.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "shell/core/field_model.h"
#include "shell/tests/request_text.h"

namespace requests {

using Lines = std::vector<std::string>;

template <typename Model>
class Clerk {
 public:
  // The window has just opened: the caret goes to the focus target.
  explicit Clerk(Model& model, ProgramLine program = nullptr)
      : model_(model), program_(std::move(program)) {
    Click(model.fields.focusTarget());
  }

  // The caret put into a field, by a click or a key.
  Lines Click(int field) {
    shell::FieldModel& fields = model_.fields;
    if (fields.focus() == field) {
      return {};
    }
    if (fields.focus() != shell::kNoField) {
      fields.Left(fields.focus());
    }
    return Read(fields.Entered(field));
  }

  // `text` typed into a field over all it held, a key at a time; "" cuts
  // what it held.
  Lines Type(int field, std::string_view text) {
    shell::FieldModel& fields = model_.fields;
    Lines lines = Click(field);
    if (text.empty() && !fields.Text(field).empty()) {
      Append(lines, Read(fields.Changed(field, "")));
    }
    for (std::size_t typed = 1; typed <= text.size(); ++typed) {
      Append(lines, Read(fields.Changed(field, text.substr(0, typed))));
    }
    return lines;
  }

  // A button or an Alt key.
  Lines Press(int command) { return Read(model_.Command(command)); }

  // What a field holds, as the window would show it.
  std::string Text(int field) const { return std::string(model_.fields.Text(field)); }

 private:
  Lines Read(const shell::RequestList& list) const {
    EXPECT_FALSE(list.overflowed());
    return Render(list, program_);
  }
  static void Append(Lines& lines, const Lines& more) {
    lines.insert(lines.end(), more.begin(), more.end());
  }

  Model& model_;
  ProgramLine program_;
};

}  // namespace requests
