// The wave transition in a GL context: it draws the bound photo texture on its mesh and puts
// the polygon modes and texturing back for what is drawn after it.
#include <gtest/gtest.h>

#include <windows.h>
#include <GL/gl.h>

#include "glui/gl_test_context.h"
#include "photos/wave_effect.h"

TEST(WaveEffect, DrawsTheBoundTextureOnTheMeshAndRestoresTheState) {
  GlTestContext gl(200, 200);
  ASSERT_TRUE(gl.ready());
  glTranslatef(0.0f, 0.0f, 0.5f);  // the mesh, one unit further away, then lies inside the depth range
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  // A red texture, bound as the show binds the photo's; texturing itself is off.
  const unsigned char red[4 * 4] = {255, 0, 0, 255, 255, 0, 0, 255, 255, 0, 0, 255, 255, 0, 0, 255};
  GLuint texture = 0;
  glGenTextures(1, &texture);
  glBindTexture(GL_TEXTURE_2D, texture);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
  glTexImage2D(GL_TEXTURE_2D, 0, 4, 2, 2, 0, GL_RGBA, GL_UNSIGNED_BYTE, red);

  WaveEffect().applyEffect(nullptr);
  unsigned char pixel[4] = {};
  glReadPixels(100, 100, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel);
  EXPECT_TRUE(pixel[0] > 200 && pixel[1] < 50) << int(pixel[0]) << "," << int(pixel[1]);
  GLint modes[2] = {};
  glGetIntegerv(GL_POLYGON_MODE, modes);
  EXPECT_TRUE(modes[0] == GL_FILL && modes[1] == GL_FILL && !glIsEnabled(GL_TEXTURE_2D));
  float matrix[16] = {};
  glGetFloatv(GL_MODELVIEW_MATRIX, matrix);
  EXPECT_FLOAT_EQ(matrix[14], -0.5f);  // the photo follows one unit further away
  glDeleteTextures(1, &texture);
}
