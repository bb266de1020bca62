#pragma once
// A small translucent text box next to the mouse pointer: the label of an in-scene button.
#include <windows.h>

#include <cstdint>
#include <memory>

#include "glui/gl_font.h"

class GlTooltip {
public:
  // A tooltip in `window`'s client area, sized for the window's dpi. All tooltips alive at a
  // time at one dpi share one font, made with the GL context current when the first of them
  // was made (the scene has one). `text` (may be none) is not copied and not freed: the caller
  // keeps it alive as long as the tooltip shows it.
  GlTooltip(HWND window, const char* text);
  virtual ~GlTooltip();
  GlTooltip(const GlTooltip&) = delete;
  GlTooltip& operator=(const GlTooltip&) = delete;

  // Shows `text` from the next frame on, with the box width recomputed.
  void setText(const char* text);
  // Draws the box and the text next to the last mouse position; nothing when there is no
  // text. A window moved to a display of another dpi gets its font and sizes remade first.
  // Expects blending on; leaves the matrices as it found them.
  virtual void draw();
  // Remakes the font, the character widths and the box width for `newDpi`.
  void scaleTo(UINT newDpi);

  const char* text = nullptr;
  uint32_t width = 0;  // box width in pixels: the text's advance widths plus 5 at 96 dpi
  UINT dpi = 0;        // of the display the sizes are made for
  std::shared_ptr<GlFont> font;
  HWND window = nullptr;
  int32_t charWidths[256] = {};
};
