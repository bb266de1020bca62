#pragma once
// A clickable picture on a bar inside the scene: it fades in while hovered, shows its tooltip,
// and flashes for five frames when clicked.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

#include "glui/gl_tooltip.h"

class GlBar;

class GlButton {
public:
  // A button on `bar` drawn with `shapeList` (a textured quad). It owns the shape list, both
  // image textures, `ownList` and the tooltip, and deletes them when destroyed: whoever lends
  // it a list or texture of their own must clear the field before the button goes.
  GlButton(uint32_t pickName, uint32_t shapeList, GlBar* bar);
  ~GlButton();
  GlButton(const GlButton&) = delete;
  GlButton& operator=(const GlButton&) = delete;

  // Moves by `offset` (not undone: offsets add up along the bar) and draws `ownList`, or the
  // shape list, under the button's pick name with images[imageIndex] when images[0] is set.
  void draw();
  // Loads a PNG picture file into image slot 0 or 1 (replacing what was there); a picture that
  // cannot be loaded leaves 0 in the slot.
  void setImage(const char* path, int slot);
  // Replaces the tooltip by one showing a copy of `text` in `window`.
  void setTooltip(HWND window, const char* text);
  // Switches to image slot `imageIndex` and, when the button has a tooltip, its text to `text`.
  void showState(uint32_t imageIndex, const std::string& text);

  bool hovered = false;
  bool flashing = false;
  uint32_t pickName;
  GlBar* bar;
  float minAlpha = 0.15f;
  float maxAlpha = 0.55f;
  float alpha = 0.15f;
  float hoverColour[3] = {1.0f, 1.0f, 1.0f};
  float offset[3] = {0.0f, 0.0f, 0.0f};
  uint32_t shapeList;
  uint32_t images[2] = {0, 0};
  uint32_t ownList = 0;
  uint32_t imageIndex = 0;
  uint32_t flashFrame = 0;
  std::unique_ptr<GlTooltip> tooltip;
  std::string tooltipText;  // the text the tooltip was created with
};
