#pragma once
// The one shape every scene picture is drawn on: an upright rectangle with a texture stretched
// over it.
#include <cstdint>

// The rectangle from (left, bottom) to (right, top) at depth z, showing the texture from (0, 0)
// at the bottom left to (s, t) at the top right.
struct TexturedSquare {
  float left, bottom, right, top;
  float z = 1.0f;
  float s = 1.0f, t = 1.0f;
};

// Binds `texture` (not when it is 0) and draws the rectangle; usable inside a display list.
void drawTexturedSquare(uint32_t texture, const TexturedSquare& square);

// A picture file loaded as a texture, with a display list that binds it and draws it on one
// square. Owns both; without the picture (or without a GL context) both stay 0. Needs the GL
// context current.
struct SquarePicture {
  SquarePicture(const char* path, const TexturedSquare& square);
  ~SquarePicture();
  SquarePicture(const SquarePicture&) = delete;
  SquarePicture& operator=(const SquarePicture&) = delete;

  uint32_t texture = 0;
  uint32_t list = 0;
};
