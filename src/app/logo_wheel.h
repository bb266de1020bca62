#pragma once
// The slowly turning logo of the idle scene, with the web site address and then the credits
// line in the lower left. Shown while no photos are open.
#include <windows.h>

#include <cstdint>
#include <memory>

#include "glui/gl_font.h"
#include "photos/textured_square.h"

class LogoWheel {
public:
  // Loads "./data/images/wheel.png" (without it only the text line is drawn), makes the font
  // for the main window's dpi on its device context and the credits line with the renderer's
  // name. Needs the main window's GL context current.
  explicit LogoWheel(HWND mainWindow);
  LogoWheel(const LogoWheel&) = delete;
  LogoWheel& operator=(const LogoWheel&) = delete;

  // One frame on: 0.1 degree further (back to 0 once a full turn is reached) and one more
  // frame counted, up to 301.
  void spin();
  // Draws the text line (with the font remade when the window's dpi changed), then the
  // wheel; resets the model-view matrix.
  void draw();

  // The text under the wheel now: the web site address for the first 300 frames, then the
  // credits line.
  const char* caption() const;

  SquarePicture picture;
  float angle = 0.0f;  // degrees
  std::shared_ptr<GlFont> font;  // the scene text's shared font
  HWND window = nullptr;
  char credits[160] = {};
  uint32_t frames = 0;

private:
  void makeFont(UINT dpi);
};
