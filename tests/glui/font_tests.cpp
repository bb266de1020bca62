// Bitmap fonts and tooltips drawn in a real GL context (Mesa under Wine).
#include <gtest/gtest.h>

#include <windows.h>
#include <GL/gl.h>

#include <string>
#include <vector>

#include "app/viewer_app.h"
#include "gl_test_context.h"
#include "glui/gl_font.h"
#include "glui/gl_tooltip.h"

namespace {
// Window-space raster x after printing `text` from x = 0.
float advanceOf(GlFont& font, const char* text) {
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glOrtho(0, 640, 0, 480, -1, 1);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glRasterPos2f(0.0f, 10.0f);
  font.print("%s", text);
  GLfloat position[4] = {};
  glGetFloatv(GL_CURRENT_RASTER_POSITION, position);
  return position[0];
}
}  // namespace

TEST(GlFont, EveryCharacterAdvancesTheRasterPosition) {
  GlTestContext gl;
  ASSERT_TRUE(gl.ready());
  GlFont font(gl.deviceContext);
  const float a = advanceOf(font, "A");
  EXPECT_GT(a, 3.0f);
  EXPECT_GT(advanceOf(font, " "), 1.0f) << "a space must move the text on";
  EXPECT_FLOAT_EQ(advanceOf(font, "A A"), 2 * a + advanceOf(font, " "));
  // Codes above 127 (Czech letters in Windows-1250) draw with the font's own glyphs.
  EXPECT_GT(advanceOf(font, "\xe1"), 3.0f);  // á
  // Formatting goes into the buffer and is cut to 255 characters; no format prints nothing.
  font.print("%s %d", std::string(400, 'x').c_str(), 300);
  font.print(nullptr);
  EXPECT_EQ(std::string(font.buffer), std::string(255, 'x'));
}

TEST(GlTooltip, WidthFollowsTheText) {
  GlTestContext gl;
  ASSERT_TRUE(gl.ready());
  GlTooltip none(gl.window, nullptr);
  EXPECT_EQ(none.width, 5u);
  GlTooltip tip(gl.window, "Play");
  EXPECT_EQ(tip.width, 5u + tip.charWidths['P'] + tip.charWidths['l'] + tip.charWidths['a'] + tip.charWidths['y']);
  EXPECT_GT(tip.charWidths['W'], tip.charWidths['i']);  // the widths are the font's, not one for all
  // Characters above 127 count with their own widths, not as negative indexes.
  tip.setText("\xe8\xe8");  // čč
  EXPECT_EQ(tip.width, 5u + 2 * static_cast<uint32_t>(tip.charWidths[0xe8]));
  EXPECT_GT(tip.charWidths[0xe8], 0);
}

TEST(GlTooltip, DrawsTheBoxLeftOfThePointerNearTheRightEdge) {
  GlTestContext gl(640, 480, true);
  ASSERT_TRUE(gl.ready());
  glViewport(0, 0, 640, 480);
  glClearColor(0, 0, 0, 1);
  glClear(GL_COLOR_BUFFER_BIT);
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  GlTooltip tip(gl.window, "Zoom in");
  mouseX = 630;
  mouseY = 100;
  tip.draw();
  glFinish();
  std::vector<uint8_t> pixels(640 * 480 * 4);
  glReadBuffer(GL_BACK);
  glReadPixels(0, 0, 640, 480, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
  // Lit columns on the row through the box's middle (GL rows count from the bottom).
  const int row = 480 - 100 - 30 + 7;
  int first = -1, last = -1;
  for (int x = 0; x < 640; ++x)
    if (pixels[(row * 640 + x) * 4] > 20) {
      if (first < 0) first = x;
      last = x;
    }
  ASSERT_GE(first, 0) << "no box drawn";
  EXPECT_EQ(first, 630 - 20 - static_cast<int>(tip.width));
  EXPECT_EQ(last, 630 - 20 - 1);
  // The projection and the model-view matrix are as before.
  GLint depth = 0;
  glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
  EXPECT_EQ(depth, 1);
  glGetIntegerv(GL_PROJECTION_STACK_DEPTH, &depth);
  EXPECT_EQ(depth, 1);
}
