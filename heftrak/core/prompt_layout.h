// Where each piece of a message lands in the prompt box.
#pragma once

#include <functional>
#include <vector>

#include "heftrak/core/messages.h"

namespace heftrak {

struct PlacedSegment {
  const char* text = "";
  shell::Rgb colour = shell::kBlack;
  int x = 0;
  int y = 0;
};

// The segments of a message, line k at y + k * lineHeight; each further
// segment of a line starts where the measured width of the ones before it
// ends. `widthOf` measures a text in the painting device context, so a red
// " not" follows "Soldier is" exactly in whatever font is in use.
std::vector<PlacedSegment> PlacePrompt(int code, int x, int y, int lineHeight,
                                       const std::function<int(const char*)>& widthOf);

}  // namespace heftrak
