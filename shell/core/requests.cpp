#include "shell/core/requests.h"

#include <algorithm>

namespace shell {

namespace {

void CopyText(Request& request, std::string_view text) {
  const std::size_t length = std::min(text.size(), request.text.size() - 1);
  std::copy_n(text.data(), length, request.text.data());
  request.text[length] = '\0';
}

}  // namespace

Request* RequestList::Add(RequestKind kind, int target) {
  if (count_ >= items_.size()) {
    overflowed_ = true;
    return nullptr;
  }
  Request& request = items_[count_++];
  request = Request{};
  request.kind = kind;
  request.target = target;
  request.write = Write::Edit;
  request.colour = kBlack;
  return &request;
}

void RequestList::SetText(int field, std::string_view text, Write write) {
  if (Request* request = Add(RequestKind::SetText, field)) {
    request->write = write;
    CopyText(*request, text);
  }
}

void RequestList::SetFigure(int field, float value, int width, Align align) {
  if (Request* request = Add(RequestKind::SetText, field)) {
    request->write = Write::Rewrite;
    FormatFixed(request->text.data(), request->text.size(), value, 2, width, align);
  }
}

void RequestList::EmptyField(int field, Write write) {
  if (Request* request = Add(RequestKind::EmptyField, field)) {
    request->write = write;
  }
}

void RequestList::ShowMessage(int code, Rgb colour) {
  if (Request* request = Add(RequestKind::ShowMessage, code)) {
    request->colour = colour;
  }
}

void RequestList::ExtraLine(std::string_view text) {
  if (Request* request = Add(RequestKind::ExtraLine)) {
    CopyText(*request, text);
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

void RequestList::Program(int kind, int value) {
  if (Request* request = Add(RequestKind::Program, kind)) {
    request->value = value;
  }
}

}  // namespace shell
