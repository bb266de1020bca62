// The transition effects in a GL context: which object each identifier makes, the colour they
// leave for the photo, and that the wave draws the photo's texture and restores the GL state.
#include <gtest/gtest.h>

#include <windows.h>
#include <GL/gl.h>

#include "glui/gl_test_context.h"
#include "photos/effect_holder.h"
#include "photos/fade_effect.h"
#include "photos/wave_effect.h"

namespace {
float currentAlpha() {
  float colour[4] = {};
  glGetFloatv(GL_CURRENT_COLOR, colour);
  return colour[3];
}
}  // namespace

TEST(EffectHolder, FadeTakesTheHoldersIntervalAndASwitchStartsAfresh) {
  GlTestContext gl;
  ASSERT_TRUE(gl.ready());
  EffectHolder holder;
  holder.interval = 40;
  holder.select(effectFade);
  auto* fade = dynamic_cast<FadeEffect*>(holder.currentEffect.get());
  ASSERT_NE(fade, nullptr);
  for (int i = 0; i < 10; ++i) fade->onTick();
  fade->applyEffect(nullptr);
  EXPECT_NEAR(currentAlpha(), 0.5f, 1e-3f);  // a quarter of the holder's interval
  holder.select(1115);
  EXPECT_EQ(holder.currentEffect, nullptr);
  holder.select(4242);  // "def" for every identifier without an effect of its own
  holder.currentEffect->applyEffect(nullptr);
  EXPECT_EQ(currentAlpha(), 1.0f);
  holder.select(effectFade);
  holder.currentEffect->applyEffect(nullptr);
  EXPECT_EQ(currentAlpha(), 0.0f);
}

TEST(WaveEffect, DrawsTheBoundTextureOnTheMeshAndRestoresTheState) {
  GlTestContext gl(200, 200);
  ASSERT_TRUE(gl.ready());
  glViewport(0, 0, 200, 200);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glFrustum(-0.05, 0.05, -0.05, 0.05, 0.1, 100.0);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glTranslatef(0.0f, 0.0f, -4.9f);
  glClearColor(0, 0, 0, 1);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);

  // A red texture, bound as the show binds the photo's; texturing itself is off.
  const unsigned char red[4 * 3] = {255, 0, 0, 255, 0, 0, 255, 0, 0, 255, 0, 0};
  GLuint texture = 0;
  glGenTextures(1, &texture);
  glBindTexture(GL_TEXTURE_2D, texture);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  glTexImage2D(GL_TEXTURE_2D, 0, 3, 2, 2, 0, GL_RGB, GL_UNSIGNED_BYTE, red);
  glDisable(GL_TEXTURE_2D);

  WaveEffect wave;
  wave.applyEffect(nullptr);
  glFinish();
  unsigned char pixel[4] = {};
  glReadBuffer(GL_BACK);
  glReadPixels(100, 100, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel);
  EXPECT_GT(pixel[0], 200);
  EXPECT_LT(pixel[1], 50);

  GLint modes[2] = {};
  glGetIntegerv(GL_POLYGON_MODE, modes);
  EXPECT_TRUE(modes[0] == GL_FILL && modes[1] == GL_FILL);
  EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
  float matrix[16] = {};
  glGetFloatv(GL_MODELVIEW_MATRIX, matrix);
  EXPECT_FLOAT_EQ(matrix[14], -5.9f);  // the photo follows one unit further away
  glDeleteTextures(1, &texture);
}
