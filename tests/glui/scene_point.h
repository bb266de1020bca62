#pragma once
// Where a point of the scene shows in a client area of width x height pixels, through the
// scene's perspective (45 degrees, camera at the origin looking down -z). Pixels count from the
// top left, as mouse messages do.
#include <cmath>

struct Pixel {
  int x, y;
};

inline Pixel scenePixel(double x, double y, double z, int width, int height) {
  const double focal = 1.0 / std::tan(22.5 * 3.14159265358979 / 180.0);
  const double aspect = static_cast<double>(width) / height;
  const double ndcX = focal / aspect * x / -z;
  const double ndcY = focal * y / -z;
  return {static_cast<int>(std::lround((ndcX + 1.0) / 2.0 * width)),
          static_cast<int>(std::lround((1.0 - ndcY) / 2.0 * height))};
}

// The centre of menu button i (0 open, 1 config, 2 exit, 3 about), and a point of the menu bar
// between buttons 0 and 1.
inline Pixel menuButtonPixel(int i, int width, int height) {
  return scenePixel(0.25 * i - 0.3925, 1.0 - 0.4785, -2.5 + 0.01 + 1.0, width, height);
}
inline Pixel menuBarGapPixel(int width, int height) {
  return scenePixel(-0.2675, 1.0 - 0.4785, -2.5 + 1.0, width, height);
}
