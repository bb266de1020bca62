#include "glui/scene_colour.h"

#include <windows.h>
#include <GL/gl.h>

void setSceneClearColour(uint32_t red, uint32_t green, uint32_t blue) {
  const float k = 1.0f / 255.0f;
  glClearColor(static_cast<float>(red) * k, static_cast<float>(green) * k,
               static_cast<float>(blue) * k, 0.5f);
}
