// A window's entry fields without the window: their texts, where the focus
// is, and the focus target (the field the caret goes back to whenever the
// window gets the focus). It carries out a command's field requests itself
// and calls the program's reactions exactly where Windows would notify the
// window, so a command's list comes out complete, its reactions in their
// place, in the order the clerk sees and hears them. The window only carries
// the list out and ignores the notifications its own writes bring back; the
// roster programs and the native tests run the same model.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "shell/core/requests.h"

namespace shell {

inline constexpr int kNoField = -1;

// What a program answers when one of its fields reports, as its window
// procedure answers EN_CHANGE and EN_SETFOCUS.
class FieldReactions {
 public:
  // The field's text changed: typed, cut or pasted by the clerk
  // (Write::Edit), or written by the program (the write's own kind).
  virtual void FieldChanged(int field, Write write, RequestList& requests) = 0;
  // The focus came into `to`; `from` is the field that last lost it
  // (kNoField: none yet), `byProgram` whether a Focus request moved it.
  virtual void FieldFocused(int from, int to, bool byProgram, RequestList& requests) = 0;

 protected:
  ~FieldReactions() = default;
};

// The most entry fields a window of the model has.
inline constexpr int kMaxModelFields = 64;

// The kinds of edit control a window's fields are, which decide what they
// report and where the caret may go back to.
struct FieldKinds {
  int count;  // the fields 0 to count - 1, at most kMaxModelFields
  // A multi-line edit reports no change when the program sets its text (it
  // does when its text is cut or typed).
  bool (*multiLine)(int field);
  // A read-only result: never the focus target.
  bool (*readOnly)(int field);
  int firstFocusTarget;  // where the caret goes when the window first opens
};

class FieldModel {
 public:
  FieldModel(const FieldKinds& kinds, FieldReactions& reactions);
  FieldModel(const FieldModel&) = delete;
  FieldModel& operator=(const FieldModel&) = delete;

  // As a newly opened window: every field empty, no focus anywhere.
  void Reset();

  // What the window holds, loaded before anything is asked of the model.
  void Load(int field, std::string_view text);
  void LoadFocus(int field);  // kNoField: no field of the window has it
  // Every field's text at once, in field order.
  template <typename Texts>
  void LoadAll(const Texts& texts) {
    int field = 0;
    for (const auto& text : texts) {
      Load(field++, text);
    }
  }

  int count() const { return kinds_.count; }
  std::string_view Text(int field) const {
    return Holds(field) ? std::string_view(texts_[static_cast<std::size_t>(field)])
                        : std::string_view();
  }
  int focus() const { return focus_; }
  int focusTarget() const { return focusTarget_; }

  // A command: `command` appends to the list it is given; every field
  // request is carried out as it comes.
  template <typename Command>
  RequestList Run(Command&& command) {
    RequestList requests;
    requests.CarryOutWith(this);
    command(requests);
    requests.CarryOutWith(nullptr);
    return requests;
  }

  // The clerk, as the fields report: the field now holds `text` (typed,
  // cut or pasted); the focus left a field; the focus came into a field.
  RequestList Changed(int field, std::string_view text);
  void Left(int field);
  RequestList Entered(int field);

  // One request of a list this model runs, just appended: carried out on
  // the fields, with what the fields report (a Focus request for the focus
  // target is given its field here).
  void CarryOut(Request& request, RequestList& requests);

 private:
  bool Holds(int field) const { return field >= 0 && field < kinds_.count; }
  void Notify(int field, Write write, RequestList& requests);

  FieldKinds kinds_;
  FieldReactions& reactions_;
  std::array<std::string, kMaxModelFields> texts_;
  int focus_ = kNoField;
  int focusTarget_;
  int lastLeft_ = kNoField;  // the field that last lost the focus
};

// The fields' texts as they stood when a command began: an evaluation reads
// these while its own writes change the fields. Of each, the first few
// characters are kept, more than any evaluation reads of a field.
template <std::size_t Count>
class FieldSnapshot {
 public:
  explicit FieldSnapshot(const FieldModel& fields) {
    for (std::size_t id = 0; id < Count; ++id) {
      const std::string_view text = fields.Text(static_cast<int>(id));
      const std::size_t kept = std::min(text.size(), copies_[id].size());
      std::copy_n(text.begin(), kept, copies_[id].begin());
      views_[id] = std::string_view(copies_[id].data(), kept);
    }
  }
  FieldSnapshot(const FieldSnapshot&) = delete;
  FieldSnapshot& operator=(const FieldSnapshot&) = delete;

  const std::array<std::string_view, Count>& texts() const { return views_; }

 private:
  std::array<std::array<char, 8>, Count> copies_;
  std::array<std::string_view, Count> views_;
};

}  // namespace shell
