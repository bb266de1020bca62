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
  const double ndcX = focal * height / width * x / -z, ndcY = focal * y / -z;
  return {static_cast<int>(std::lround((ndcX + 1.0) / 2.0 * width)),
          static_cast<int>(std::lround((1.0 - ndcY) / 2.0 * height))};
}
