// The transition effects' arithmetic: the fade's alpha over a slide and the wave's motion.
#include <gtest/gtest.h>

#include <cstring>

#include "photos/fade_clock.h"
#include "photos/wave_mesh.h"

TEST(FadeClock, AlphaClimbsToItsPeakAtTick201AndFallsUntilTheNextSlide) {
  FadeClock fade(400, 1);
  for (int tick = 1; tick <= 400; ++tick) {
    const float before = fade.alpha;
    fade.tick();
    EXPECT_TRUE(tick <= 201 ? fade.alpha > before : fade.alpha < before) << tick;
    if (tick == 100) {
      EXPECT_NEAR(fade.alpha, 0.5f, 1e-4f);
    }
    if (tick == 201) {
      EXPECT_NEAR(fade.alpha, 1.005f, 1e-4f);
    }
  }
  EXPECT_NEAR(fade.alpha, 1.005f - 199 * 0.005f, 1e-3f);  // nearly transparent at the change
}

TEST(FadeClock, IntervalsShorterThanTheStepStillGiveAFiniteDelta) {
  const struct {
    uint32_t interval, step;
    float delta;
  } cases[] = {{0, 1, 2.0f}, {5, 0, 2.0f}, {2, 1, 1.0f}, {401, 2, 0.01f}};
  for (const auto& c : cases) {
    FadeClock fade(c.interval, c.step);
    fade.tick();
    EXPECT_FLOAT_EQ(fade.alpha, c.delta) << c.interval << "/" << c.step;
  }
}

TEST(WaveMesh, ShiftsOnTheSixthFrameThenEveryFifthAndComesBackAfter45Shifts) {
  WaveMesh mesh;
  static float start[WaveMesh::side][WaveMesh::side][3];
  std::memcpy(start, mesh.points, sizeof start);
  EXPECT_NEAR(mesh.points[11][3][2], 0.99939f, 1e-4f);  // sin(88 degrees): the crest
  EXPECT_FLOAT_EQ(mesh.points[0][0][1], -4.5f);  // the grid's corner
  int shifts = 0;
  for (int frame = 1; shifts < 45; ++frame) {
    const bool shifted = mesh.frameDrawn();
    EXPECT_EQ(shifted, frame >= 6 && (frame - 6) % 5 == 0) << frame;
    if (shifted && ++shifts == 1) {
      for (int j = 0; j < WaveMesh::side; j += 11) {
        EXPECT_EQ(mesh.points[10][j][2], start[11][j][2]);  // the wave moved one column down
        EXPECT_EQ(mesh.points[44][j][2], start[0][j][2]);
        EXPECT_EQ(mesh.points[10][j][0], start[10][j][0]);  // x and y stay
      }
    }
  }
  EXPECT_EQ(std::memcmp(start, mesh.points, sizeof start), 0);
  mesh.frameDrawn();
  mesh.restart();
  EXPECT_EQ(std::memcmp(start, mesh.points, sizeof start), 0);
}
