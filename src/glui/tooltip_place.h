#pragma once
// Where a tooltip box goes, in GL window coordinates (origin at the bottom left).
#include <cstdint>

struct TooltipPlace {
  int x = 0, y = 0;
};

// A box `width` pixels wide sits 20 pixels right of the pointer, or 20 pixels left of it when
// it would reach past the client area's right edge; its bottom is 30 pixels below the pointer
// (the pointer position counts from the top, as the window reports it).
inline TooltipPlace placeTooltip(uint32_t width, uint32_t mouseX, uint32_t mouseY,
                                 uint32_t clientWidth, uint32_t clientHeight) {
  TooltipPlace place;
  if (width + mouseX + 20 > clientWidth)
    place.x = static_cast<int>(mouseX) - static_cast<int>(width) - 20;
  else
    place.x = static_cast<int>(mouseX) + 20;
  place.y = static_cast<int>(clientHeight) - static_cast<int>(mouseY) - 30;
  return place;
}
