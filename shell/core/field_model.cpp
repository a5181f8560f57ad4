#include "shell/core/field_model.h"

#include <algorithm>

namespace shell {

void FieldModel::HoldLonger(std::size_t field, std::string_view text) {
  if (longer_.empty()) {
    longer_.resize(kMaxModelFields);
  }
  longer_[field].assign(text);
  SetSize(field, kLonger);
}

void FieldModel::MakeFigure(std::size_t field) const {
  float figure = 0;
  int format = 0;
  std::memcpy(&figure, chars_[field].data(), sizeof figure);
  std::memcpy(&format, chars_[field].data() + sizeof figure, sizeof format);
  char text[kRequestTextSize];
  const std::size_t length = FigureText(text, sizeof text, format, figure);
  // The same text as the field's write made, in its place or kept whole.
  if (length <= kInPlace) {
    StoreWord(chars_[field].data(), ShortTextWord(text, length));
    sizes_[field] = static_cast<unsigned char>(length);
  } else {
    if (longer_.empty()) {
      longer_.resize(kMaxModelFields);
    }
    longer_[field].assign(text, length);
    sizes_[field] = kLonger;
  }
}

FieldModel::FieldModel(const FieldKinds& kinds, FieldReactions& reactions)
    : kinds_(kinds), reactions_(reactions), focusTarget_(kinds.firstFocusTarget) {
  kinds_.count = std::clamp(kinds_.count, 0, kMaxModelFields);
  // Asked at every write: the program's answers, once for all.
  for (int field = 0; field < kinds_.count; ++field) {
    const std::uint64_t bit = std::uint64_t{1} << field;
    multiLine_ |= kinds_.multiLine(field) ? bit : 0;
    readOnly_ |= kinds_.readOnly(field) ? bit : 0;
  }
}

void FieldModel::Reset() {
  // A field emptied here reads empty in the next snapshot: its view there is
  // emptied now, rather than its place copied again then (a roster resets
  // the model for each of its rows, and loads a few of the fields again).
  if (copies_ != nullptr) {
    for (std::uint64_t rest = filled_; rest != 0; rest &= rest - 1) {
      copies_->views[static_cast<std::size_t>(std::countr_zero(rest))] = std::string_view();
    }
    changed_ &= ~filled_;
  }
  sizes_.fill(0);
  filled_ = 0;
  focus_ = kNoField;
  focusTarget_ = kinds_.firstFocusTarget;
  lastLeft_ = kNoField;
}

std::span<const std::string_view, kMaxModelFields> FieldModel::Snapshot() const {
  // Every field filled since the model was made is among the changed ones.
  if (copies_ == nullptr) {
    copies_ = std::make_unique<Copies>();
  }
  Copies& copies = *copies_;
  for (std::uint64_t rest = changed_; rest != 0; rest &= rest - 1) {
    const auto id = static_cast<std::size_t>(std::countr_zero(rest));
    // The whole place, as Hold stored it, or a longer text's start: more
    // than any evaluation reads of a field. An empty field's size is 0, so
    // it is copied the same way, without a branch on whether it is empty.
    MakeText(id);
    const bool longer = sizes_[id] == kLonger;
    std::memcpy(copies.chars[id].data(), longer ? longer_[id].data() : chars_[id].data(),
                sizeof copies.chars[id]);
    copies.views[id] = std::string_view(copies.chars[id].data(), longer ? kInPlace : sizes_[id]);
  }
  changed_ = 0;
  return copies.views;
}

void FieldModel::LoadFocus(int field) {
  focus_ = Holds(field) ? field : kNoField;
}

void FieldModel::Notify(int field, Write write, RequestList& requests) {
  if (!ReadOnly(field)) {
    focusTarget_ = field;
  }
  reactions_.FieldChanged(field, write, requests);
}

void FieldModel::CarryOut(Request& request, RequestList& requests) {
  const int field = request.target;
  switch (request.kind) {
    case RequestKind::SetText:
      CarryOutWrite(request, requests);
      break;
    case RequestKind::EmptyField:
      // Emptied as a cut empties it: reported only when there was a text.
      if (Holds(field) && sizes_[static_cast<std::size_t>(field)] != 0) {
        SetSize(static_cast<std::size_t>(field), 0);
        Notify(field, request.write, requests);
      }
      break;
    case RequestKind::Focus:
      if (field == kFocusTarget) {
        request.target = focusTarget_;
      }
      // The focus target even when it has the focus already, and so
      // reports nothing.
      focusTarget_ = request.target;
      if (Holds(request.target) && request.target != focus_) {
        // The field losing the focus reports first, then the one gaining it.
        if (focus_ != kNoField) {
          lastLeft_ = focus_;
        }
        focus_ = request.target;
        reactions_.FieldFocused(lastLeft_, focus_, true, requests);
      }
      break;
    default:
      break;
  }
}

RequestList FieldModel::Changed(int field, std::string_view text) {
  RequestList requests;
  if (Holds(field)) {
    Hold(static_cast<std::size_t>(field), text);
    requests.CarryOutWith(this);
    Notify(field, Write::Edit, requests);
    requests.CarryOutWith(nullptr);
  }
  return requests;
}

void FieldModel::Left(int field) {
  if (Holds(field)) {
    lastLeft_ = field;
    if (focus_ == field) {
      focus_ = kNoField;
    }
  }
}

RequestList FieldModel::Entered(int field) {
  RequestList requests;
  if (Holds(field)) {
    focus_ = field;
    if (!ReadOnly(field)) {
      focusTarget_ = field;
    }
    requests.CarryOutWith(this);
    reactions_.FieldFocused(lastLeft_, field, false, requests);
    requests.CarryOutWith(nullptr);
  }
  return requests;
}

}  // namespace shell
