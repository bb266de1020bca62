#pragma once
// The wave transition's mesh: a 45 x 45 grid of points whose depth follows one full sine across
// the grid, moving one column every fifth frame. Free of GL; WaveEffect draws it.
#include <cstdint>

struct WaveMesh {
  static constexpr int side = 45;

  WaveMesh() { restart(); }

  // The grid at rest: point (i, j) at (0.2 i - 4.5, 0.2 j - 4.5) with depth sin(8 i degrees).
  void restart();
  // Bookkeeping after a frame has been drawn: on every fifth frame after the first five the
  // depths move one column down in i (the first column's depth goes to the last), so the mesh
  // drawn on frame 7 after a restart is the first one shifted. True when this call shifted.
  bool frameDrawn();

  float points[side][side][3];  // [i][j] -> x, y, z
  uint32_t frameCount = 0;
};
