// What a command decided the window must do, as an ordered list of requests.
// Every decision of both programs (an evaluation, Clear, an edit's reaction,
// "Male Only") is made in the core and appended here; the window replays the
// list in order, and a native test reads it. The order is the order the clerk
// sees and hears things happen.
//
// A list made by a field model (field_model.h) has its field requests carried
// out as they are appended, the way Windows answers a write into a field at
// once with its notification: the reactions append theirs right behind, and
// the list comes out complete.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>

#include "shell/core/colour.h"
#include "shell/core/fixed_format.h"

namespace shell {

// Whose change a write into an entry field is, which the program's change
// reaction is told along with the field.
enum class Write {
  Edit,          // as if the clerk typed it: the field's change reaction runs
  Rewrite,       // the program's own completion of what was typed ("5" to "50"):
                 // the figures already count it, so no change reaction runs
  KeepMaleOnly,  // "M" put into Sex (or Sex emptied) for "Male Only": the
                 // reaction runs, but does not switch the option off
};

enum class RequestKind {
  SetText,       // target field, text, write
  EmptyField,    // target field, write: emptied as a cut would, clipboard untouched
  SelectAll,     // target field
  Focus,         // target field: the window moves the focus (not the clerk)
  RedrawFrame,   // target field: its frame drawn again
  ClearMessage,  // the message area drawn empty
  ShowMessage,   // target code, colour
  ExtraLine,     // text, painted below the message until the next repaint
  PaintLabel,    // target box, colour: the label of a result box
  PaintResult,   // target box, text, colour: a figure in its box ("" empties it)
  Alert,         // the alert sounds
  EnablePrint,   // target 1: Print available, 0: not
  MaleOnly,      // target 1: the option drawn on, 0: off
  Program,       // target: a kind of the program's own, value its argument
};

// Room for the longest text a request carries: a figure for a field, or a
// line under a message ("Max allowable weight: 999 lbs.").
inline constexpr std::size_t kRequestTextSize = 48;

// A Focus request's target standing for the focus target: the field the
// caret goes back to, as the field model knows it when it carries the
// request out (which puts the field there in its place).
inline constexpr int kFocusTarget = -2;

class FieldModel;

// Writes a request's text from its number and figure into `buffer` of `size`
// bytes, NUL included; answers its length, at most size - 1.
using TextMaker = std::size_t (*)(char* buffer, std::size_t size, int number, float figure);

// A figure's text as SetFigure writes it, printf's "%W.2f" or "%-W.2f":
// `format` is the width twice, one more when aligned right. A TextMaker.
inline std::size_t FigureText(char* buffer, std::size_t size, int format, float figure) {
  const std::size_t length = FormatFixed(buffer, size, figure, 2, format / 2,
                                         format % 2 != 0 ? Align::Right : Align::Left);
  return size > 0 ? std::min(length, size - 1) : 0;
}

// Plain data without member initializers, so a list's unused room costs
// nothing: the list fills in every field of a request it adds.
struct Request {
  RequestKind kind;
  int target;
  int value;
  Write write;
  // Made when first read if `make` is set: a line under a message and a
  // figure for a field are formatted for every evaluation, and the roster
  // programs read no line and few of the figures.
  mutable std::array<char, kRequestTextSize> text;
  mutable std::size_t length;  // of the text, before its NUL
  Rgb colour;
  // An ExtraLine's maker, or a SetText's (FigureText for a figure, nullptr
  // for a text given as it is); nullptr once the text is made. Set only for
  // those two kinds: the other requests are made by the thousand and carry
  // their text as it is.
  mutable TextMaker make;
  float figure;  // with `value`, what `make` writes

  const char* c_str() const {
    Make();
    return text.data();
  }
  std::string_view Text() const {
    Make();
    return std::string_view(text.data(), length);
  }

 private:
  void Make() const {
    if ((kind == RequestKind::ExtraLine || kind == RequestKind::SetText) && make != nullptr) {
      length = make(text.data(), text.size(), value, figure);
      make = nullptr;
    }
  }
};

// A bounded list: a command makes at most a few dozen requests, its
// reactions included. One that would not fit is kept out and the list
// marked, which the tests check never happens.
class RequestList {
 public:
  static constexpr std::size_t kCapacity = 128;

  // From now on `fields` carries out the field requests as they are made
  // (nullptr: nobody does, the list only records).
  void CarryOutWith(FieldModel* fields) { fields_ = fields; }
  // Empty again, to be used for another command.
  void Clear() {
    count_ = 0;
    overflowed_ = false;
  }

  void SetText(int field, std::string_view text, Write write);
  // A figure with two decimals, as printf's "%W.2f" or "%-W.2f" writes it
  // (FigureText), once somebody reads it.
  void SetFigure(int field, float value, int width, Align align);
  void EmptyField(int field, Write write = Write::Edit);
  void SelectAll(int field) { Add(RequestKind::SelectAll, field); }
  void Focus(int field) { CarryOut(Add(RequestKind::Focus, field)); }
  // The focus to wherever the focus target stands once the requests before
  // this one are carried out.
  void FocusTarget() { Focus(kFocusTarget); }
  void RedrawFrame(int field) { Add(RequestKind::RedrawFrame, field); }
  void ClearMessage() { Add(RequestKind::ClearMessage); }
  void ShowMessage(int code, Rgb colour = kBlack);
  // A line below the message, written by `make` from `number` and `figure`
  // only when somebody reads it.
  void ExtraLine(TextMaker make, int number, float figure);
  void PaintLabel(int box, Rgb colour);
  void PaintResult(int box, std::string_view text, Rgb colour);
  void Alert() { Add(RequestKind::Alert); }
  void EnablePrint(bool enabled) { Add(RequestKind::EnablePrint, enabled ? 1 : 0); }
  void MaleOnly(bool on) { Add(RequestKind::MaleOnly, on ? 1 : 0); }
  void Program(int kind, int value = 0, std::string_view text = {});

  const Request* begin() const { return items_.data(); }
  const Request* end() const { return items_.data() + count_; }
  std::size_t size() const { return count_; }
  bool overflowed() const { return overflowed_; }

 private:
  // Inline: a command adds a few dozen, and the evaluations run for whole
  // rosters as well as for the window.
  Request* Add(RequestKind kind, int target = 0) {
    if (count_ >= items_.size()) {
      overflowed_ = true;
      return nullptr;
    }
    Request& request = items_[count_++];
    request.kind = kind;
    request.target = target;
    request.value = 0;
    request.write = Write::Edit;
    request.text[0] = '\0';
    request.length = 0;
    request.colour = kBlack;
    return &request;
  }

  // Hands a field request, complete, to the model (if any) that carries it out.
  void CarryOut(Request* request);

  std::array<Request, kCapacity> items_;  // only the first count_ are made
  std::size_t count_ = 0;
  bool overflowed_ = false;
  FieldModel* fields_ = nullptr;
};

}  // namespace shell
