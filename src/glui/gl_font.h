#pragma once
// A bitmap font for text inside the OpenGL scene: 256 display lists, one per character code,
// made from 12-pixel Arial.
#include <windows.h>

#include <cstdint>

class GlFont {
public:
  // Builds the lists on `deviceContext` with the calling thread's current GL context, which
  // owns them from then on. Without a context there are no lists and print draws nothing.
  explicit GlFont(HDC deviceContext);
  // Deletes the lists and the font; the GL context that made them must be current.
  ~GlFont();
  GlFont(const GlFont&) = delete;
  GlFont& operator=(const GlFont&) = delete;

  // Formats the text (printf style, cut to 255 characters) into `buffer` and draws it at the
  // current raster position in the current colour. A format of none draws nothing.
  void print(const char* format, ...);

  char buffer[256] = {};
  uint32_t listBase = 0;  // list listBase + c draws character code c
  HFONT font = nullptr;
};
