#pragma once
// Where a tooltip box goes, in GL window coordinates (origin at the bottom left).
#include <cstdint>

struct TooltipPlace {
  int x = 0, y = 0;
};

// A box `width` pixels wide sits `gap` pixels right of the pointer, or `gap` pixels left of it
// when it would reach past the client area's right edge; its bottom is `drop` pixels below the
// pointer (the pointer position counts from the top, as the window reports it). At 96 dpi the
// gap is 20 pixels and the drop 30.
inline TooltipPlace placeTooltip(uint32_t width, uint32_t mouseX, uint32_t mouseY,
                                 uint32_t clientWidth, uint32_t clientHeight, uint32_t gap = 20,
                                 uint32_t drop = 30) {
  TooltipPlace place;
  if (width + mouseX + gap > clientWidth)
    place.x = static_cast<int>(mouseX) - static_cast<int>(width) - static_cast<int>(gap);
  else
    place.x = static_cast<int>(mouseX) + static_cast<int>(gap);
  place.y = static_cast<int>(clientHeight) - static_cast<int>(mouseY) - static_cast<int>(drop);
  return place;
}
