// Panels in a GL context, seen through the menu panel: picking through selection mode, hover,
// fades, flashes and hidden panels.
#include <gtest/gtest.h>

#include <cmath>

#include "gl_test_context.h"
#include "glui/menu_panel.h"
#include "scene_point.h"

TEST(MenuPanel, HoverFadesInAndSetsTheHandClicksFlashAndHiddenPanelsIgnoreTheMouse) {
  constexpr int width = 800, height = 600;
  GlTestContext gl(width, height);
  ASSERT_TRUE(gl.ready());
  MenuPanel menu(gl.window);
  GlButton& exit = *allButtons[menu.firstButton + menuExit];  // the buttons in command order
  GlBar& bar = *exit.bar;
  auto frames = [&](int count) { while (count-- > 0) menu.animate(); };
  auto at = [](float alpha, float limit) { return std::abs(alpha - limit) < 1e-3f; };
  // The exit button's centre, a point of the bar between the first two buttons, and none.
  const Pixel p = scenePixel(0.25 * menuExit - 0.3925, 0.5215, -1.49, width, height);
  const Pixel gap = scenePixel(-0.2675, 0.5215, -1.5, width, height), nowhere = {5, height - 5};
  menu.hover(p.x, p.y);
  EXPECT_TRUE(exit.hovered && bar.shown && GetCursor() == menu.handCursor);

  panelsHidden = true;  // nothing fades, changes or is picked
  frames(30);
  menu.hover(nowhere.x, nowhere.y);
  EXPECT_TRUE(menu.click(p.x, p.y) == -1 && exit.hovered && !exit.flashing && at(exit.alpha, exit.minAlpha));
  panelsHidden = false;

  frames(30);
  EXPECT_TRUE(at(exit.alpha, exit.maxAlpha) && at(bar.alpha, bar.maxAlpha));
  EXPECT_EQ(menu.click(p.x, p.y), menu.pickNames[menuExit]);
  frames(4);
  EXPECT_TRUE(exit.flashing);
  frames(1);
  EXPECT_FALSE(exit.flashing);
  EXPECT_TRUE(menu.click(gap.x, gap.y) == 0 && menu.pending == menuExit);  // the bar (the process's first item)
  EXPECT_TRUE(menu.click(nowhere.x, nowhere.y) == -1 && menu.pending == menuNothing);

  menu.hover(gap.x, gap.y);  // from the button back to the bar
  EXPECT_TRUE(!exit.hovered && bar.shown && GetCursor() == menu.arrowCursor);
  menu.hover(nowhere.x, nowhere.y);
  frames(30);
  EXPECT_TRUE(!bar.shown && at(exit.alpha, exit.minAlpha) && at(bar.alpha, bar.minAlpha));
}
