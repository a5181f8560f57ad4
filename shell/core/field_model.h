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
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "shell/core/requests.h"
#include "shell/core/short_text.h"

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
inline constexpr int kMaxModelFields = 64;  // a bit each in a 64-bit word

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
  void Load(int field, std::string_view text) {
    if (Holds(field)) {
      Hold(static_cast<std::size_t>(field), text);
    }
  }
  void LoadFocus(int field);  // kNoField: no field of the window has it
  // Every field's text at once, in field order.
  template <typename Texts>
  void LoadAll(const Texts& texts) {
    std::size_t field = 0;
    for (const std::string_view text : texts) {
      if (field == static_cast<std::size_t>(kinds_.count)) {
        break;
      }
      // Most of a window's fields are empty, and stay so.
      if (!text.empty() || sizes_[field] != 0) {
        Hold(field, text);
      }
      ++field;
    }
  }

  int count() const { return kinds_.count; }
  std::string_view Text(int field) const {
    return Holds(field) ? Held(static_cast<std::size_t>(field)) : std::string_view();
  }
  int focus() const { return focus_; }
  int focusTarget() const { return focusTarget_; }

  // Every field's text as it stands now, apart from the fields (as
  // FieldSnapshot below keeps them): a command's evaluation reads these
  // while its own writes change the fields. The views stay as they are
  // until the next call, which copies again only the fields changed since:
  // a roster runs two commands a row on a window whose fields are mostly
  // empty and stay so.
  std::span<const std::string_view, kMaxModelFields> Snapshot() const;

  // A command: `command` appends to `requests`, emptied first; every field
  // request is carried out as it comes.
  template <typename Command>
  void Run(RequestList& requests, Command&& command) {
    requests.Clear();
    requests.CarryOutWith(this);
    command(requests);
    requests.CarryOutWith(nullptr);
  }
  template <typename Command>
  RequestList Run(Command&& command) {
    RequestList requests;
    Run(requests, command);
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
  // The same for a SetText request. Inline: an evaluation writes a dozen
  // fields.
  void CarryOutWrite(const Request& request, RequestList& requests) {
    const int field = request.target;
    if (Holds(field)) {
      if (request.make != nullptr) {
        HoldFigure(static_cast<std::size_t>(field), request);
      } else {
        Hold(static_cast<std::size_t>(field), request.Text());
      }
      // A single-line edit reports every text set, the same one or "" on
      // an empty field included; a multi-line edit reports none.
      if ((multiLine_ >> field & 1) == 0) {
        Notify(field, request.write, requests);
      }
    }
  }

 private:
  template <std::size_t Count>
  friend class FieldSnapshot;

  // A calculator's fields hold a few characters each: a text of up to
  // kInPlace characters is kept in a row of such places, so that setting,
  // clearing and copying one moves a few bytes and never allocates (a
  // roster runs the model for each of its rows). A longer one (a paste the
  // window's own limit would stop) is kept whole all the same.
  // A figure the program wrote (RequestList::SetFigure) is kept as its
  // number and format in its place until the field's text is first read:
  // a roster reads few of the figures an evaluation writes.
  static constexpr std::size_t kInPlace = 7;
  static constexpr unsigned char kLonger = 0xFF;  // a size: the text is in longer_
  static constexpr unsigned char kFigure = 0xFE;  // a size: the place holds a figure

  bool Holds(int field) const { return field >= 0 && field < kinds_.count; }
  bool ReadOnly(int field) const { return (readOnly_ >> field & 1) != 0; }
  std::string_view Held(std::size_t field) const {
    MakeText(field);
    return sizes_[field] == kLonger ? std::string_view(longer_[field])
                                    : std::string_view(chars_[field].data(), sizes_[field]);
  }
  // A figure's text made in its place, where the field holds a figure.
  void MakeText(std::size_t field) const {
    if (sizes_[field] == kFigure) [[unlikely]] {
      MakeFigure(field);
    }
  }
  void MakeFigure(std::size_t field) const;
  void HoldFigure(std::size_t field, const Request& request) {
    static_assert(sizeof request.figure + sizeof request.value <= sizeof chars_[field]);
    std::memcpy(chars_[field].data(), &request.figure, sizeof request.figure);
    std::memcpy(chars_[field].data() + sizeof request.figure, &request.value, sizeof request.value);
    SetSize(field, kFigure);  // a figure's text is never empty
  }
  // Inline: a roster loads a dozen fields a row and its commands write a
  // dozen more, nearly all of them short.
  void Hold(std::size_t field, std::string_view text) {
    static_assert(kInPlace == kShortText && sizeof chars_[field] == 8, "a place is one word");
    if (text.size() <= kInPlace) [[likely]] {
      // Read whole before the place is written: the text may be the field's own.
      StoreWord(chars_[field].data(), ShortTextWord(text.data(), text.size()));
      SetSize(field, static_cast<unsigned char>(text.size()));
    } else {
      HoldLonger(field, text);
    }
  }
  void HoldLonger(std::size_t field, std::string_view text);
  void SetSize(std::size_t field, unsigned char size) {
    const std::uint64_t bit = std::uint64_t{1} << field;
    changed_ |= bit;
    filled_ = size != 0 ? filled_ | bit : filled_ & ~bit;
    sizes_[field] = size;
  }
  void Notify(int field, Write write, RequestList& requests);

  FieldKinds kinds_;
  FieldReactions& reactions_;
  // Mutable for a figure's text, made when it is first read.
  mutable std::array<std::array<char, kInPlace + 1>, kMaxModelFields> chars_{};
  mutable std::array<unsigned char, kMaxModelFields> sizes_{};
  mutable std::vector<std::string> longer_;  // made at the first longer text, a place a field
  // A bit a field (kMaxModelFields of them): the fields holding a text.
  std::uint64_t filled_ = 0;
  std::uint64_t multiLine_ = 0;  // the kinds of the fields, as FieldKinds says
  std::uint64_t readOnly_ = 0;
  // What Snapshot gave last, made at its first call (a window's model is a
  // static of the program, which would carry the room in its file), and the
  // fields changed since (a bit a field).
  struct Copies {
    std::array<std::array<char, kInPlace + 1>, kMaxModelFields> chars{};
    std::array<std::string_view, kMaxModelFields> views{};
  };
  mutable std::unique_ptr<Copies> copies_;
  mutable std::uint64_t changed_ = 0;
  int focus_ = kNoField;
  int focusTarget_;
  int lastLeft_ = kNoField;  // the field that last lost the focus
};

// The fields' texts as they stood when a command began: an evaluation reads
// these while its own writes change the fields. Of each, the first seven
// characters are kept, more than any evaluation reads of a field.
template <std::size_t Count>
class FieldSnapshot {
 public:
  explicit FieldSnapshot(const FieldModel& fields) {
    const std::size_t held = std::min(Count, static_cast<std::size_t>(fields.count()));
    // Each field holding a text (a window's fields are mostly empty): its
    // place copied whole, or a longer text's start, and a view of it.
    for (std::uint64_t rest = fields.filled_; rest != 0; rest &= rest - 1) {
      const auto id = static_cast<std::size_t>(std::countr_zero(rest));
      if (id >= held) {
        break;
      }
      fields.MakeText(id);
      const bool longer = fields.sizes_[id] == FieldModel::kLonger;
      // The whole place, as Hold stored it; a longer text has more bytes.
      std::memcpy(copies_[id].data(), longer ? fields.longer_[id].data() : fields.chars_[id].data(),
                  sizeof copies_[id]);
      views_[id] =
          std::string_view(copies_[id].data(), longer ? FieldModel::kInPlace : fields.sizes_[id]);
    }
  }
  FieldSnapshot(const FieldSnapshot&) = delete;
  FieldSnapshot& operator=(const FieldSnapshot&) = delete;

  const std::array<std::string_view, Count>& texts() const { return views_; }

 private:
  std::array<std::array<char, FieldModel::kInPlace + 1>, Count> copies_;
  std::array<std::string_view, Count> views_{};
};

}  // namespace shell
