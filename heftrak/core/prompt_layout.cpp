#include "heftrak/core/prompt_layout.h"

namespace heftrak {

std::vector<PlacedSegment> PlacePrompt(int code, int x, int y, int lineHeight,
                                       const std::function<int(const char*)>& widthOf) {
  const Message& message = MessageFor(code);
  std::vector<PlacedSegment> placed;
  for (std::size_t k = 0; k < message.lineCount; ++k) {
    const MessageLine& line = message.lines[k];
    const int top = y + static_cast<int>(k) * lineHeight;
    int left = x;
    for (std::size_t s = 0; s < line.segmentCount; ++s) {
      const Segment& segment = line.segments[s];
      placed.push_back({segment.text, segment.colour, left, top});
      left += widthOf(segment.text);
    }
  }
  return placed;
}

}  // namespace heftrak
