#pragma once
// The picture of the keyboard shortcuts that replaces the scene while it is shown.
#include "photos/textured_square.h"

class HelpPicture {
public:
  // Loads "./help/klavesnice.png" (481 x 298 pixels) and compiles its quad; without the
  // picture it draws nothing. Needs the GL context current.
  HelpPicture();
  HelpPicture(const HelpPicture&) = delete;
  HelpPicture& operator=(const HelpPicture&) = delete;

  // Draws the picture in the middle of the view; resets the model-view matrix.
  void draw();

  SquarePicture picture;
};
