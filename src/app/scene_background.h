#pragma once
// The faint picture far behind everything in the scene.
#include "photos/textured_square.h"

class SceneBackground {
public:
  // Loads "./data/images/background.png" and compiles its quad; without the picture (or
  // without a GL context) there is no list and draw does nothing. Needs the GL context current.
  SceneBackground();
  SceneBackground(const SceneBackground&) = delete;
  SceneBackground& operator=(const SceneBackground&) = delete;

  // Draws the quad blended at 10 % far behind the scene; resets the model-view matrix.
  void draw();

  SquarePicture picture;  // no list when there is no picture
};
