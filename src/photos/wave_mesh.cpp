#include "photos/wave_mesh.h"

#include <cmath>

void WaveMesh::restart() {
  frameCount = 0;
  for (int i = 0; i < side; ++i) {
    for (int j = 0; j < side; ++j) {
      points[i][j][0] = static_cast<float>(i) * 0.2f - 4.5f;
      points[i][j][1] = static_cast<float>(j) * 0.2f - 4.5f;
      points[i][j][2] =
          static_cast<float>(std::sin(static_cast<float>(i) * 0.2f * 40.0f * (1.0f / 360.0f) * 6.283185308));
    }
  }
}

bool WaveMesh::frameDrawn() {
  bool shifted = false;
  if (frameCount == 5) {
    for (int j = 0; j < side; ++j) {
      const float first = points[0][j][2];
      for (int i = 0; i < side - 1; ++i) points[i][j][2] = points[i + 1][j][2];
      points[side - 1][j][2] = first;
    }
    frameCount = 0;
    shifted = true;
  }
  ++frameCount;
  return shifted;
}
