#pragma once
// The picture of the keyboard shortcuts that replaces the scene while it is shown.
#include <cstdint>

class HelpPicture {
public:
  // Loads "./help/klavesnice.png" (481 x 298 pixels) and compiles its quad; without the
  // picture it draws nothing. Needs the GL context current.
  HelpPicture();
  // Deletes the list and the texture.
  ~HelpPicture();
  HelpPicture(const HelpPicture&) = delete;
  HelpPicture& operator=(const HelpPicture&) = delete;

  // Draws the picture in the middle of the view; resets the model-view matrix.
  void draw();

  uint32_t texture = 0;
  uint32_t list = 0;
};
