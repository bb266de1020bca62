// The transition effects' arithmetic: where the fade turns, and how the wave moves.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <utility>

#include "photos/fade_clock.h"
#include "photos/wave_mesh.h"

TEST(FadeClock, RisesForHalfTheIntervalThenFalls) {
  FadeClock fade(400, 1);
  for (int tick = 1; tick <= 400; ++tick) {
    const float before = fade.alpha;
    fade.tick();
    EXPECT_EQ(fade.alpha > before, tick <= 201) << tick;
  }
  // Intervals shorter than the step still give a finite delta.
  const struct { uint32_t interval, step; float delta; } cases[] = {{0, 1, 2.0f}, {5, 0, 2.0f}, {2, 1, 1.0f}, {401, 2, 0.01f}};
  for (const auto& c : cases) {
    FadeClock clock(c.interval, c.step);
    clock.tick();
    EXPECT_FLOAT_EQ(clock.alpha, c.delta) << c.interval << "/" << c.step;
  }
}

TEST(WaveMesh, OneSineAcrossTheGridMovingOneColumnOnFrame6And11) {
  WaveMesh mesh;
  for (const auto& [i, j] : {std::pair{0, 0}, {11, 3}, {44, 44}}) {
    EXPECT_FLOAT_EQ(mesh.points[i][j][0], 0.2f * i - 4.5f);
    EXPECT_FLOAT_EQ(mesh.points[i][j][1], 0.2f * j - 4.5f);
    EXPECT_NEAR(mesh.points[i][j][2], std::sin(8 * i * 3.14159265 / 180), 1e-5) << i;
  }
  static float start[WaveMesh::side][WaveMesh::side][3];
  std::memcpy(start, mesh.points, sizeof start);
  for (int frame = 1; frame <= 12; ++frame) EXPECT_EQ(mesh.frameDrawn(), frame == 6 || frame == 11) << frame;
  // After a restart the first shift moves every depth one column down in i, the first
  // column's to the last.
  mesh.restart();
  for (int frame = 1; frame <= 6; ++frame) EXPECT_EQ(mesh.frameDrawn(), frame == 6);
  for (int i = 0; i < WaveMesh::side; ++i)
    for (int j = 0; j < WaveMesh::side; ++j) {
      ASSERT_EQ(mesh.points[i][j][2], start[(i + 1) % WaveMesh::side][j][2]) << i << " " << j;
      ASSERT_TRUE(mesh.points[i][j][0] == start[i][j][0] && mesh.points[i][j][1] == start[i][j][1]);
    }
}
