// A command's requests as compact lines, e.g. "result 0 '100' black", so a
// test states the order of effects as a readable table.
#pragma once

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "shell/core/requests.h"

namespace requests {

inline std::string ColourName(shell::Rgb colour) {
  if (colour == shell::kBlack) {
    return "black";
  }
  if (colour == shell::kRed) {
    return "red";
  }
  if (colour == shell::kBlue) {
    return "blue";
  }
  if (colour == shell::kGrey) {
    return "grey";
  }
  return "other";
}

inline std::string WriteName(shell::Write write) {
  switch (write) {
    case shell::Write::Edit:
      return " edit";
    case shell::Write::KeepMaleOnly:
      return " keep";
    case shell::Write::Rewrite:
      break;
  }
  return "";
}

// How a program's own requests read, when a test names them; otherwise
// "program KIND VALUE".
using ProgramLine = std::function<std::string(const shell::Request&)>;

inline std::string Render(const shell::Request& r, const ProgramLine& program = nullptr) {
  using shell::RequestKind;
  const std::string target = std::to_string(r.target);
  const std::string text = std::string("'") + r.c_str() + "'";
  switch (r.kind) {
    case RequestKind::SetText:
      return "set " + target + " " + text + WriteName(r.write);
    case RequestKind::EmptyField:
      return "empty " + target + (r.write == shell::Write::KeepMaleOnly ? " keep" : "");
    case RequestKind::SelectAll:
      return "select " + target;
    case RequestKind::Focus:
      return r.target == shell::kFocusTarget ? "focus target" : "focus " + target;
    case RequestKind::RedrawFrame:
      return "frame " + target;
    case RequestKind::ClearMessage:
      return "clear";
    case RequestKind::ShowMessage:
      return "message " + target + " " + ColourName(r.colour);
    case RequestKind::ExtraLine:
      return "extra " + text;
    case RequestKind::PaintLabel:
      return "label " + target + " " + ColourName(r.colour);
    case RequestKind::PaintResult:
      return "result " + target + " " + text + " " + ColourName(r.colour);
    case RequestKind::Alert:
      return "alert";
    case RequestKind::EnablePrint:
      return r.target != 0 ? "print" : "no print";
    case RequestKind::MaleOnly:
      return r.target != 0 ? "male only" : "no male only";
    case RequestKind::Program:
      return program != nullptr ? program(r) : "program " + target + " " + std::to_string(r.value);
  }
  return "?";
}

inline std::vector<std::string> Render(const shell::RequestList& list,
                                       const ProgramLine& program = nullptr) {
  std::vector<std::string> lines;
  for (const shell::Request& r : list) {
    lines.push_back(Render(r, program));
  }
  return lines;
}

// Lines of several parts, one after the other.
inline std::vector<std::string> Join(std::initializer_list<std::vector<std::string>> parts) {
  std::vector<std::string> all;
  for (const std::vector<std::string>& part : parts) {
    all.insert(all.end(), part.begin(), part.end());
  }
  return all;
}

}  // namespace requests
