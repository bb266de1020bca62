// Bitmap fonts and tooltip widths in a real GL context (Mesa under Wine).
#include <gtest/gtest.h>

#include <string>

#include "gl_test_context.h"
#include "glui/gl_font.h"
#include "glui/gl_tooltip.h"

TEST(GlFont, EveryCharacterAdvancesTheRasterPositionLongTextsAreCutAndTooltipsAddUpWidths) {
  GlTestContext gl;
  ASSERT_TRUE(gl.ready());
  GlFont font(gl.deviceContext);
  auto advanceOf = [&](const char* text) {  // window x after printing from the left edge
    glRasterPos2f(-1.0f, 0.0f);
    font.print("%s", text);
    GLfloat position[4] = {};
    glGetFloatv(GL_CURRENT_RASTER_POSITION, position);
    return position[0];
  };
  const float a = advanceOf("A"), space = advanceOf(" ");
  EXPECT_TRUE(a > 3.0f && space > 1.0f && advanceOf("\xe1") > 3.0f);  // á: above 127 too
  EXPECT_FLOAT_EQ(advanceOf("A A"), 2 * a + space);
  font.print("%s %d", std::string(400, 'x').c_str(), 300);
  font.print(nullptr);  // prints nothing
  EXPECT_EQ(std::string(font.buffer), std::string(255, 'x'));

  GlTooltip tip(gl.window, "i");
  tip.setText("\xe8W");  // č: a tooltip counts codes above 127 with their own widths
  EXPECT_EQ(tip.width, 5u + tip.charWidths[0xe8] + tip.charWidths['W']);

  // At 144 dpi (150 %) the glyphs and the box are made 1.5 times as large.
  tip.setText("Wide text");
  const uint32_t box96 = tip.width;
  tip.scaleTo(144);
  EXPECT_NEAR(tip.width, 1.5 * box96, 3.0);
}
