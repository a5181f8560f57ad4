#include "shell/core/requests.h"

#include <algorithm>

#include "shell/core/field_model.h"
#include "shell/core/short_text.h"

namespace shell {

namespace {

void CopyText(Request& request, std::string_view text) {
  // A field's text in one store, its NUL with it: the field model reads it
  // back at once.
  if (text.size() <= kShortText) {
    StoreWord(request.text.data(), ShortTextWord(text.data(), text.size()));
    request.length = text.size();
    return;
  }
  // The texts are a few characters: a plain loop beats a call to memmove.
  const std::size_t length = std::min(text.size(), request.text.size() - 1);
  for (std::size_t i = 0; i < length; ++i) {
    request.text[i] = text[i];
  }
  request.text[length] = '\0';
  request.length = length;
}

}  // namespace

void RequestList::CarryOut(Request* request) {
  if (request != nullptr && fields_ != nullptr) {
    fields_->CarryOut(*request, *this);
  }
}

void RequestList::SetText(int field, std::string_view text, Write write) {
  Request* request = Add(RequestKind::SetText, field);
  if (request != nullptr) {
    request->write = write;
    request->make = nullptr;
    CopyText(*request, text);
    if (fields_ != nullptr) {
      fields_->CarryOutWrite(*request, *this);
    }
  }
}

void RequestList::SetFigure(int field, float value, int width, Align align) {
  Request* request = Add(RequestKind::SetText, field);
  if (request != nullptr) {
    request->write = Write::Rewrite;
    request->value = 2 * width + (align == Align::Right ? 1 : 0);
    request->figure = value;
    request->make = &FigureText;
    if (fields_ != nullptr) {
      fields_->CarryOutWrite(*request, *this);
    }
  }
}

void RequestList::EmptyField(int field, Write write) {
  Request* request = Add(RequestKind::EmptyField, field);
  if (request != nullptr) {
    request->write = write;
  }
  CarryOut(request);
}

void RequestList::ShowMessage(int code, Rgb colour) {
  if (Request* request = Add(RequestKind::ShowMessage, code)) {
    request->colour = colour;
  }
}

void RequestList::ExtraLine(TextMaker make, int number, float figure) {
  if (Request* request = Add(RequestKind::ExtraLine)) {
    request->value = number;
    request->figure = figure;
    request->make = make;
  }
}

void RequestList::PaintLabel(int box, Rgb colour) {
  if (Request* request = Add(RequestKind::PaintLabel, box)) {
    request->colour = colour;
  }
}

void RequestList::PaintResult(int box, std::string_view text, Rgb colour) {
  if (Request* request = Add(RequestKind::PaintResult, box)) {
    request->colour = colour;
    CopyText(*request, text);
  }
}

void RequestList::Program(int kind, int value, std::string_view text) {
  if (Request* request = Add(RequestKind::Program, kind)) {
    request->value = value;
    CopyText(*request, text);
  }
}

}  // namespace shell
