#pragma once
// A bitmap font for text inside the OpenGL scene: 256 display lists, one per character code,
// made from Arial 12 pixels high at 96 dpi, scaled to the display's dpi.
#include <windows.h>

#include <cstdint>
#include <memory>

class GlFont {
public:
  // Builds the lists on `deviceContext` with the calling thread's current GL context, which
  // owns them from then on. Without a context there are no lists and print draws nothing.
  // `dpi` is that of the display the text is drawn on (96 when not given).
  explicit GlFont(HDC deviceContext, UINT dpi = 96);
  // Deletes the lists and the font; the GL context that made them must be current.
  ~GlFont();
  GlFont(const GlFont&) = delete;
  GlFont& operator=(const GlFont&) = delete;

  // The font every piece of scene text at `dpi` shares while any of them holds it: a font is
  // 256 display lists, and a show has a couple of dozen tooltips and lines. Made on
  // `deviceContext` with the current GL context when none at that dpi is alive.
  static std::shared_ptr<GlFont> shared(HDC deviceContext, UINT dpi);

  // Formats the text (printf style, cut to 255 characters) into `buffer` and draws it at the
  // current raster position in the current colour. A format of none draws nothing.
  void print(const char* format, ...);

  char buffer[256] = {};
  uint32_t listBase = 0;  // list listBase + c draws character code c
  HFONT font = nullptr;
  UINT dpi = 96;  // the display's dpi the glyphs were made for
};
