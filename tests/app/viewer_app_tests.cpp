// The application object in-process: start-up modes, the GL state and the frame's projection.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <cmath>

#include "app/viewer_app.h"
#include "structure/settings.h"
#include "support/harness.h"

namespace {
// Runs each test in a scratch folder of its own, with the given config.conf, as Ovix runs in
// its program folder.
class ViewerAppTest : public ::testing::Test {
protected:
  void SetUp() override {
    GetCurrentDirectoryA(MAX_PATH, previousFolder);
    folder = makeScratchFolder("ovix-app");
    ASSERT_FALSE(folder.empty());
    SetCurrentDirectoryA(folder.c_str());
    instance = GetModuleHandleA(nullptr);
    settings = Settings();
  }
  void TearDown() override {
    if (ViewerApp::current) DestroyWindow(ViewerApp::current->handle);
    SetCurrentDirectoryA(previousFolder);
    removeFolder(folder);
  }
  // Writes the Program section of config.conf, which the start-up reads.
  void configure(const std::string& program) {
    writeFile("config.conf", "[Configuration]\n[Program]\n" + program + "[/Program]\n[/Configuration]\n");
  }
  RECT windowRect() {
    RECT place = {};
    GetWindowRect(ViewerApp::current->handle, &place);
    return place;
  }

  char previousFolder[MAX_PATH] = {};
  std::string folder;
};
}  // namespace

TEST_F(ViewerAppTest, StartsInTheConfiguredModeAndTogglesBetweenFullScreenAndTheWindow) {
  // Full screen: the whole screen, a thin border and no title bar. Windowed: the settings'
  // place and size with a caption.
  auto expectMode = [&](bool fullScreen) {
    EXPECT_EQ(ViewerApp::current->fullScreen, fullScreen);
    const RECT place = windowRect();
    const LONG style = GetWindowLongA(ViewerApp::current->handle, GWL_STYLE);
    if (fullScreen) {
      EXPECT_TRUE(place.left == 0 && place.top == 0 && place.right == GetSystemMetrics(SM_CXSCREEN) &&
                  place.bottom == GetSystemMetrics(SM_CYSCREEN));
      EXPECT_TRUE(style & WS_POPUP);
      EXPECT_EQ(style & (WS_CAPTION | WS_THICKFRAME), WS_BORDER);
    } else {
      EXPECT_TRUE(place.left == 40 && place.top == 30 && place.right - place.left == 450 &&
                  place.bottom - place.top == 370);
      EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
    }
  };
  for (bool fullScreen : {true, false}) {
    SCOPED_TRACE(fullScreen);
    configure(std::string("full_screen = ") + (fullScreen ? "true" : "false") +
              ";\nlast_position = true;\nx = 40;\ny = 30;\n");
    auto* app = new ViewerApp();
    ASSERT_NE(app->handle, nullptr);
    EXPECT_EQ(mainWindow, app->handle);
    expectMode(fullScreen);
    app->toggleFullScreen();
    expectMode(!fullScreen);
    app->toggleFullScreen();
    expectMode(fullScreen);
    // Quitting in full screen keeps the full-screen corner as the window position.
    DestroyWindow(app->handle);
    EXPECT_EQ(ViewerApp::current, nullptr);
    EXPECT_EQ(settings.windowX, fullScreen ? 0 : 40);
  }
}

TEST_F(ViewerAppTest, GlStateClearsToTheBackgroundColourAndSettlesTheTextureSize) {
  configure("full_screen = false;\nbg_red = 200;\nbg_green = 100;\nbg_blue = 50;\n");
  auto* app = new ViewerApp();
  ASSERT_NE(app->renderContext, nullptr);

  GLint maximum = 0;
  glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maximum);
  ASSERT_GT(maximum, 0);
  EXPECT_EQ(settings.textureSize, maximum / 2);
  settings.textureSize = 512;  // a chosen size is left alone
  app->initGlState();
  EXPECT_EQ(settings.textureSize, 512);
  settings.textureSize = maximum * 2;  // unless the driver cannot take it
  app->initGlState();
  EXPECT_EQ(settings.textureSize, maximum / 2);

  app->drawFrame();
  GLint viewport[4];
  glGetIntegerv(GL_VIEWPORT, viewport);
  unsigned char pixel[4] = {};
  glReadBuffer(GL_BACK);
  glReadPixels(viewport[2] / 2, viewport[3] / 2, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel);
  EXPECT_NEAR(pixel[0], 200, 1);
  EXPECT_NEAR(pixel[1], 100, 1);
  EXPECT_NEAR(pixel[2], 50, 1);
}

TEST_F(ViewerAppTest, ResizeToHeightZeroKeepsAValidPerspective) {
  configure("full_screen = false;\n");
  auto* app = new ViewerApp();
  app->resizeScene(300, 0);
  GLint viewport[4];
  glGetIntegerv(GL_VIEWPORT, viewport);
  EXPECT_EQ(viewport[2], 300);
  EXPECT_EQ(viewport[3], 1);
  GLdouble projection[16];
  glGetDoublev(GL_PROJECTION_MATRIX, projection);
  const double focal = 1.0 / std::tan(22.5 * 3.14159265358979 / 180.0);
  EXPECT_NEAR(projection[0], focal / 300.0, 1e-6);
  EXPECT_NEAR(projection[5], focal, 1e-5);
  app->drawFrame();
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}
