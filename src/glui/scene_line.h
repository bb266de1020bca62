#pragma once
// One line of text in the middle of a window's scene, in the bitmap font: a quiet notice that
// does not interrupt (no box, no focus change).
#include <windows.h>

#include <memory>
#include <string>

#include "glui/gl_font.h"

class SceneLine {
public:
  // Takes the shared scene font (GlFont::shared) for the window's dpi, made on `window`'s
  // device context with the current GL context, which must still be current when the line is
  // destroyed.
  SceneLine(HWND window, std::string text);

  // Shows `text` from the next draw on, measured with the line's font (no font is made).
  void setText(std::string text);

  // Draws the line centred across the window's client area at `height`, light on a dark clear
  // colour and dark on a light one; remakes the font first when the window's dpi changed.
  // Leaves the matrices and the GL state as it found them.
  void draw();

  std::string text;
  // Where the line's middle stands, as a share of the client area's height from its bottom.
  float height = 0.5f;
  int width = 0;  // the text's width in pixels
  HWND window = nullptr;
  std::shared_ptr<GlFont> font;

private:
  // Takes the font for `dpi` and measures the text with it.
  void makeFont(UINT dpi);
  void measure();
};
