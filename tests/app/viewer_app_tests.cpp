// Ovix's application object in-process, in a scratch program folder with a config.conf of the
// test's: the window's modes, the GL state, the idle frame, the keys, wheel and context menu
// driving a real photo show, and clicks on the menu panel. Last, the window registry under
// three threads.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <algorithm>
#include <atomic>
#include <thread>
#include <tuple>
#include <vector>

#include "app/app_commands.h"
#include "app/logo_wheel.h"
#include "app/viewer_app.h"
#include "dialogs/dialog_test_support.h"
#include "e2e/show_driver.h"
#include "glui/menu_panel.h"
#include "glui/scene_point.h"
#include "photos/fade_effect.h"
#include "photos/photo_show.h"
#include "platform/window_registry.h"
#include "structure/settings.h"

namespace {
std::string lastOpened;

bool quitPosted() {
  MSG message;
  return PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}

// How many pixels of the back buffer's rectangle (GL rows, from the bottom) are brighter than
// `level`, their three channels summed.
int brighter(int level, int x, int y, int width, int height) {
  std::vector<uint8_t> pixels(width * height);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(x, y, width, height, GL_LUMINANCE, GL_UNSIGNED_BYTE, pixels.data());
  return std::count_if(pixels.begin(), pixels.end(), [level](uint8_t pixel) { return pixel > level; });
}

class AppTest : public ::testing::Test {
protected:
  void SetUp() override {
    GetCurrentDirectoryA(MAX_PATH, previousFolder);
    folder = makeScratchFolder("ovix-app");
    for (const char* part : {"\\languages", "\\data", "\\help"})
      copyFolder(stagedProgramFolder() + part, folder + part);
    ASSERT_TRUE(SetCurrentDirectoryA(folder.c_str()));
    instance = GetModuleHandleA(nullptr);
    openDocument = [](const char* address) { lastOpened = address; };
    quitPosted();  // the one the last test's shut-down left
    writeFile("config.conf",
              "[Configuration][Program]check_updates=false;full_screen=false;x=40;y=30;[/Program][/Configuration]");
    settings = Settings();
    panelsHidden = false;
    app = new ViewerApp();
    GetClientRect(app->handle, &client);
  }
  void TearDown() override {
    if (ViewerApp::current) DestroyWindow(ViewerApp::current->handle);
    SetCurrentDirectoryA(previousFolder);
    removeFolder(folder);
    if (!photos.empty()) removeFolder(photos);
  }
  // A key press as the window gets it, held for two frames: the command must not repeat.
  void press(int key, bool withControl = false) {
    if (withControl) SendMessageA(app->handle, WM_KEYDOWN, VK_CONTROL, 0);
    SendMessageA(app->handle, WM_KEYDOWN, key, 0);
    app->pollKeys();
    app->pollKeys();
    SendMessageA(app->handle, WM_KEYUP, key, 0);
    SendMessageA(app->handle, WM_KEYUP, VK_CONTROL, 0);
  }

  char previousFolder[MAX_PATH] = {}, photoDir[256] = {};
  std::string folder, photos;
  ViewerApp* app = nullptr;
  RECT client = {};
};
}  // namespace

TEST_F(AppTest, CtrlEnterTogglesBetweenTheConfiguredWindowAndFullScreenAndQuittingSavesTheCorner) {
  for (int toggles = 0; toggles < 3; ++toggles) {
    const bool fullScreen = toggles == 1;
    RECT place, expected = {40, 30, 40 + 450, 30 + 370};
    if (fullScreen) expected = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    GetWindowRect(app->handle, &place);
    EXPECT_TRUE(EqualRect(&place, &expected) && app->fullScreen == fullScreen) << toggles;
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(app->handle, GWL_STYLE)) & (WS_POPUP | WS_CAPTION),
              fullScreen ? WS_POPUP | WS_BORDER : WS_CAPTION);
    press(VK_RETURN, true);
  }
  DestroyWindow(app->handle);  // the window procedure deletes the application, which saves
  EXPECT_TRUE(ViewerApp::current == nullptr && settings.windowX == 0);
}

TEST_F(AppTest, ClearsToTheSettingsColourAndDrawsAtHeightZero) {
  settings.bgRed = 200;
  settings.bgGreen = 100;
  settings.bgBlue = 50;
  app->initGlState();
  glClear(GL_COLOR_BUFFER_BIT);
  uint8_t pixel[4] = {};
  glReadPixels(100, 100, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel);
  EXPECT_LE(abs(pixel[0] - 200) + abs(pixel[1] - 100) + abs(pixel[2] - 50), 2);

  app->resizeScene(300, 0);
  GLint viewport[4];
  GLdouble projection[16];
  glGetIntegerv(GL_VIEWPORT, viewport);
  glGetDoublev(GL_PROJECTION_MATRIX, projection);
  EXPECT_TRUE(viewport[3] == 1 && std::abs(projection[5] / projection[0] - 300.0) < 1e-3);  // aspect 300 / 1
  app->drawFrame();
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(AppTest, TheIdleFrameShowsTheBackgroundTheTurningWheelAndItsTextOrTheHelpPicture) {
  const int w = client.right, h = client.bottom;
  SendMessageA(app->handle, WM_TIMER, 0, 0);
  EXPECT_GT(app->logoWheel->angle, 0.0f);
  app->drawFrame();
  EXPECT_GT(brighter(100, w / 2 - 40, h / 2 - 40, 80, 80), 1000);  // the wheel in the middle
  EXPECT_GT(brighter(0, w - 40, 0, 40, 40), 800);  // the faint background in the lower right
  EXPECT_EQ(brighter(100, w - 40, 0, 40, 40) + brighter(100, w * 3 / 4, h / 2, 20, 20), 0);
  EXPECT_GT(brighter(100, 0, 0, w / 3, 40), 20);  // the text line in the lower left

  for (int shown : {1, 0}) {  // the help picture, wider than the wheel, and away again
    runAppCommand(*app, commandKeys);
    app->drawFrame();
    EXPECT_EQ(brighter(100, w * 3 / 4, h / 2, 20, 20) > 10, shown);
  }
}

TEST_F(AppTest, WithoutAShowThePhotoItemsAreGreyAndTheKeysTurnTheMenusChecksOpenTheHelpAndQuit) {
  for (int key : {VK_RIGHT, VK_UP, int('S'), VK_SPACE, int('M')}) press(key);  // no show: must not crash
  for (bool turned : {false, true}) {
    if (turned) {
      press(VK_RETURN, true);
      press('M', true);
      runAppCommand(*app, commandKeys);
    }
    HMENU menu = app->buildContextMenu();
    auto has = [&](int id, UINT flag) { return (GetMenuState(menu, id, MF_BYCOMMAND) & flag) != 0; };
    for (int id = commandPlayPause; id <= commandLast; ++id) EXPECT_TRUE(has(id, MF_GRAYED)) << id;
    EXPECT_TRUE(has(commandPlainEffect, MF_GRAYED) && has(commandFadeEffect, MF_GRAYED));
    EXPECT_FALSE(has(commandOpen, MF_GRAYED) || has(commandExit, MF_GRAYED));
    EXPECT_TRUE(has(commandFullScreen, MF_CHECKED) == turned && has(commandMenu, MF_CHECKED) != turned &&
                has(commandKeys, MF_CHECKED) == turned && panelsHidden == turned);
    char label[64] = {};
    GetMenuStringA(menu, commandPlayPause, label, sizeof label, MF_BYCOMMAND);
    EXPECT_STREQ(label, "Play / pause\tSpace");
    DestroyMenu(menu);
  }
  press(VK_F1);
  EXPECT_EQ(lastOpened, "file:///" + folder + "/help/help_cz.html");
  press('Q', true);
  EXPECT_TRUE(quitPosted());
}

TEST_F(AppTest, KeysTheWheelAndTheContextMenuDriveTheShowOncePerPressUpToTheLimits) {
  photos = makePhotoFolder(6);
  ShowParams params;  // as the open dialog fills it, but the show never steps by itself
  params.cacheLevel = 8;
  params.textureSize = 256;
  params.flipTime = 100000;
  params.photoDir = lstrcpynA(photoDir, photos.c_str(), sizeof photoDir);
  params.ownerWindow = app->handle;
  PhotoShow& show = *(app->photoShow = new PhotoShow(params));
  const std::tuple<int, int, float*, float> moves[] = {  // key, presses, what moves, where it ends
      {VK_UP, 1, &show.distance, -4.6f}, {VK_UP, 20, &show.distance, -2.5f}, {VK_DOWN, 40, &show.distance, -7.6f},
      {'S', 1, &show.offsetY, 0.1f},     {'S', 30, &show.offsetY, 1.0f},     {'W', 30, &show.offsetY, -1.0f},
      {'A', 30, &show.offsetX, 1.0f},    {'D', 30, &show.offsetX, -1.0f}};
  for (const auto& [key, presses, value, expected] : moves) {
    for (int i = 0; i < presses; ++i) press(key, key == 'A');  // Ctrl does not change A
    EXPECT_NEAR(*value, expected, 0.01f) << key << " x" << presses;
  }
  for (int delta : {WHEEL_DELTA, WHEEL_DELTA, -WHEEL_DELTA, WHEEL_DELTA})
    SendMessageA(app->handle, WM_MOUSEWHEEL, MAKEWPARAM(0, delta), 0);
  EXPECT_NEAR(show.distance, -7.0f, 0.01f);
  const std::pair<int, uint32_t> steps[] = {{VK_LEFT, 0}, {VK_RIGHT, 1}, {VK_RIGHT, 2}, {VK_LEFT, 1}};
  for (const auto& [key, group] : steps) {
    press(key);
    EXPECT_EQ(show.groupIndex, group) << key;
  }
  press(VK_SPACE);
  EXPECT_FALSE(show.playing);

  runAppCommand(*app, commandFadeEffect);
  EXPECT_NE(dynamic_cast<FadeEffect*>(show.effect.currentEffect.get()), nullptr);
  HMENU menu = app->buildContextMenu();
  EXPECT_FALSE(GetMenuState(menu, commandFadeEffect, MF_BYCOMMAND) & MF_GRAYED);
  DestroyMenu(menu);
  DestroyWindow(app->handle);  // the shut-down writes the settings
  EXPECT_NE(readFile(folder + "\\config.conf").find("effect=1112;"), std::string::npos);
}

TEST_F(AppTest, AClickOnAMenuButtonRunsItsCommandOnceOnTheNextFrame) {
  const std::pair<int, const char*> buttons[] = {
      {menuConfig, "Ovix - Nastavení"}, {menuAbout, "Ovix - O programu"}, {menuExit, nullptr}};
  for (const auto& [button, windowClass] : buttons) {  // no window: Ovix quits
    const Pixel centre = scenePixel(0.25 * button - 0.3925, 0.5215, -1.49, client.right, client.bottom);
    SendMessageA(app->handle, WM_LBUTTONUP, 0, MAKELPARAM(centre.x, centre.y));
    SendMessageA(app->handle, WM_TIMER, 0, 0);
    SendMessageA(app->handle, WM_TIMER, 0, 0);
    const std::vector<HWND> windows = threadWindows(windowClass ? windowClass : "none");
    EXPECT_EQ(windows.size(), windowClass ? 1u : 0u) << button;
    for (HWND window : windows) DestroyWindow(window);
    EXPECT_EQ(quitPosted(), windowClass == nullptr) << button;
  }
}

TEST(WindowRegistry, ThreeThreadsAddLookUpAndRemoveWithoutLosingEntries) {
  struct Windowless : WindowBase {
    LRESULT handleMessage(UINT, WPARAM, LPARAM) override { return 0; }
  };
  const int before = WindowRegistry::size();
  std::atomic<int> misses{0};
  std::vector<std::thread> threads;
  for (intptr_t thread = 1; thread <= 3; ++thread)
    threads.emplace_back([&misses, thread] {
      for (int round = 0; round < 100; ++round) {
        std::vector<Windowless> mine(500);
        for (size_t i = 0; i < mine.size(); ++i) {
          mine[i].handle = reinterpret_cast<HWND>(thread * 100000 + static_cast<intptr_t>(i));
          misses += WindowRegistry::find(mine[i].handle) != &mine[i];
        }
      }
    });
  for (std::thread& thread : threads) thread.join();
  EXPECT_TRUE(misses == 0 && WindowRegistry::size() == before);
}
