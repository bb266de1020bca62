// The menu panel: built in a GL context in the program folder, and the menu of a running Ovix.
#include <gtest/gtest.h>

#include <windows.h>
#include <GL/gl.h>
#include <GL/glu.h>

#include <memory>

#include "glui/gl_test_context.h"
#include "glui/menu_panel.h"
#include "glui/tooltip_place.h"
#include "scene_point.h"
#include "structure/settings.h"
#include "support/harness.h"

namespace {
constexpr int width = 800, height = 600;

class MenuPanelTest : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(gl.ready());
    GetCurrentDirectoryA(MAX_PATH, previousFolder);
    ASSERT_TRUE(SetCurrentDirectoryA(stagedProgramFolder().c_str()));
    settings = Settings();
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45.0, static_cast<double>(width) / height, 0.1f, 100.0);
    glMatrixMode(GL_MODELVIEW);
    ASSERT_EQ(nextPickName, 0u) << "another panel is still alive";
  }
  void TearDown() override { SetCurrentDirectoryA(previousFolder); }

  GlTestContext gl{width, height};
  char previousFolder[MAX_PATH] = {};
};
}  // namespace

TEST_F(MenuPanelTest, ButtonsCarryTheirNamesPicturesAndTooltipsAndClicksLeaveCommands) {
  MenuPanel menu(gl.window);
  const char* tips[4] = {"Open photos", "Configuration", "Exit", "About Ovix"};
  for (int i = 0; i < 4; ++i) {
    GlButton* button = menu.findButton(menu.commandNames[i]);
    ASSERT_TRUE(button && button->tooltip) << i;
    EXPECT_NE(button->images[0], 0u) << i;
    EXPECT_STREQ(button->tooltip->text, tips[i]);
  }

  const Pixel gap = menuBarGapPixel(width, height);
  EXPECT_EQ(menu.click(gap.x, gap.y), 0);
  EXPECT_EQ(menu.pending, -1);  // the bar between two buttons is no command
  EXPECT_EQ(menu.click(5, height - 5), -1);
  EXPECT_EQ(menu.pending, menuNothing);
  for (int i = 0; i < 4; ++i) {
    const Pixel p = menuButtonPixel(i, width, height);
    EXPECT_EQ(menu.click(p.x, p.y), i + 1);
    EXPECT_EQ(menu.pending, i);
  }
}

TEST_F(MenuPanelTest, WithoutAMenuSectionEveryTooltipIsAnEmptyBox) {
  // A program folder without language files: the built-in texts have no menu section.
  const std::string folder = makeScratchFolder("ovix-menu");
  ASSERT_TRUE(copyFolder(stagedProgramFolder() + "\\data", folder + "\\data") && SetCurrentDirectoryA(folder.c_str()));
  {
    MenuPanel menu(gl.window);
    for (uint32_t name : menu.commandNames) {
      GlButton* button = menu.findButton(name);
      ASSERT_TRUE(button && button->tooltip) << name;
      EXPECT_STREQ(button->tooltip->text, "");
    }
  }
  SetCurrentDirectoryA(previousFolder);
  removeFolder(folder);
}

// Ovix as a user sees it: the menu brightens under the mouse, shows the button's tooltip, and
// the exit button ends the program.
TEST(MenuPanelInOvix, HoverBrightensAndShowsTheTooltipAndExitEndsOvix) {
  OvixProcess ovix;
  ASSERT_TRUE(ovix.start([](const std::string& folder) {
    writeFile(folder + "\\config.conf", "[Configuration][Program]full_screen=false;[/Program][/Configuration]");
  }));
  ASSERT_TRUE(ovix.waitForWindow());
  HWND window = ovix.window();
  RECT client = {};
  ASSERT_TRUE(waitFor([&] { return GetClientRect(window, &client) && client.right > 100 && client.bottom > 100; }));
  const int w = client.right, h = client.bottom;
  const Pixel exitButton = menuButtonPixel(2, w, h);
  auto lightness = [](uint32_t pixel) { return redOf(pixel) + greenOf(pixel) + blueOf(pixel); };

  Capture before;
  ASSERT_TRUE(waitFor([&] { return ovix.captureClient(before) && lightness(before.at(exitButton.x, exitButton.y)) > 0; }));
  before.savePng("menu-before-hover.png");
  const int resting = lightness(before.at(exitButton.x, exitButton.y));

  PostMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(exitButton.x, exitButton.y));
  Capture hovered;
  ASSERT_TRUE(waitFor([&] {
    return ovix.captureClient(hovered) && lightness(hovered.at(exitButton.x, exitButton.y)) > resting + 60;
  })) << "resting " << resting << ", hovered " << lightness(hovered.at(exitButton.x, exitButton.y));
  hovered.savePng("menu-hovered.png");

  // The tooltip box: right of the pointer, its bottom 30 pixels below it (GL counts upwards).
  const TooltipPlace place = placeTooltip(30, exitButton.x, exitButton.y, w, h);
  const int boxX = place.x + 3, boxY = h - place.y - 8;
  ASSERT_TRUE(boxY > 0 && boxY < h && boxX > 0 && boxX < w);
  EXPECT_NE(hovered.at(boxX, boxY), before.at(boxX, boxY)) << "no tooltip box at " << boxX << "," << boxY;

  PostMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(exitButton.x, exitButton.y));
  DWORD exitCode = 99;
  ASSERT_TRUE(ovix.waitForExit(30000, &exitCode));
  EXPECT_EQ(exitCode, 0u);
}
