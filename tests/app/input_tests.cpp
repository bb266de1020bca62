// Keys, the context menu and the commands they share, driven in-process on a real main
// window with a real photo show.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/app_commands.h"
#include "app/viewer_app.h"
#include "dialogs/dialog_test_support.h"
#include "e2e/show_driver.h"
#include "glui/gl_panel.h"
#include "glui/menu_panel.h"
#include "photos/fade_effect.h"
#include "photos/photo_show.h"
#include "structure/settings.h"
#include "support/harness.h"

namespace {
std::string lastOpened;
void rememberDocument(const char* address) { lastOpened = address; }

class InputTest : public ::testing::Test {
protected:
  void SetUp() override {
    GetCurrentDirectoryA(MAX_PATH, previousFolder);
    folder = makeScratchFolder("ovix-input");
    ASSERT_FALSE(folder.empty());
    copyFolder(stagedProgramFolder() + "\\languages", folder + "\\languages");
    SetCurrentDirectoryA(folder.c_str());
    writeFile("config.conf",
              "[Configuration][Program]full_screen=false;check_updates=false;[/Program]"
              "[Scene]flip_time=100000;[/Scene][/Configuration]");
    instance = GetModuleHandleA(nullptr);
    settings = Settings();
    panelsHidden = false;
    openDocument = rememberDocument;
    app = new ViewerApp();
  }
  void TearDown() override {
    if (ViewerApp::current) DestroyWindow(ViewerApp::current->handle);
    SetCurrentDirectoryA(previousFolder);
    removeFolder(folder);
    if (!photos.empty()) removeFolder(photos);
  }

  // Opens a show on `count` numbered photos, as the open dialog does.
  PhotoShow& openShow(int count) {
    photos = makePhotoFolder(count);
    static char photoDir[256];
    lstrcpynA(photoDir, photos.c_str(), sizeof photoDir);
    ShowParams params;
    params.cacheLevel = 8;
    params.textureSize = 256;
    params.flipTime = 100000;
    params.effectId = 1111;
    params.photoDir = photoDir;
    params.ownerWindow = app->handle;
    app->photoShow = new PhotoShow(params);
    return *app->photoShow;
  }

  // One key press as the window sees it, then the frame's poll.
  void press(int key, bool withControl = false) {
    if (withControl) app->handleMessage(WM_KEYDOWN, VK_CONTROL, 0);
    app->handleMessage(WM_KEYDOWN, key, 0);
    app->pollKeys();
    app->handleMessage(WM_KEYUP, key, 0);
    if (withControl) app->handleMessage(WM_KEYUP, VK_CONTROL, 0);
  }

  char previousFolder[MAX_PATH] = {};
  std::string folder, photos;
  ViewerApp* app = nullptr;
};

struct MenuEntry {
  int id;
  std::string text;
  UINT state;
};

std::vector<MenuEntry> readMenu(HMENU menu) {
  std::vector<MenuEntry> entries;
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    char text[256] = {};
    GetMenuStringA(menu, i, text, sizeof text, MF_BYPOSITION);
    entries.push_back({static_cast<int>(GetMenuItemID(menu, i)), text,
                       GetMenuState(menu, i, MF_BYPOSITION)});
  }
  return entries;
}
}  // namespace

TEST_F(InputTest, ContextMenuGreysThePhotoItemsWithoutAShowAndChecksTheState) {
  auto entryOf = [](const std::vector<MenuEntry>& entries, int id) {
    for (const MenuEntry& entry : entries)
      if (entry.id == id) return entry;
    return MenuEntry{0, "", 0};
  };
  HMENU menu = app->buildContextMenu();
  ASSERT_NE(menu, nullptr);
  auto entries = readMenu(menu);
  for (const MenuEntry& entry : entries) {
    if (entry.id <= 0) continue;  // separators and the sub-menu
    const bool photoItem = entry.id >= commandPlayPause && entry.id <= commandLast;
    EXPECT_EQ((entry.state & MF_GRAYED) != 0, photoItem) << entry.text;
  }
  EXPECT_EQ(entryOf(entries, commandPlayPause).text, "Play / pause\tSpace");
  EXPECT_EQ(entryOf(entries, commandKeys).text.find('\t'), std::string::npos);
  HMENU effects = GetSubMenu(menu, 16);
  ASSERT_NE(effects, nullptr);
  const auto effectEntries = readMenu(effects);
  ASSERT_EQ(effectEntries.size(), 2u);
  EXPECT_EQ(effectEntries[1].id, commandFadeEffect);
  EXPECT_TRUE(effectEntries[1].state & MF_GRAYED);
  DestroyMenu(menu);

  // The checks follow the application: windowed, menu shown, no help picture, then each turned.
  for (bool turned : {false, true}) {
    if (turned) {
      app->toggleFullScreen();
      runAppCommand(*app, commandMenu);
      runAppCommand(*app, commandKeys);
    }
    menu = app->buildContextMenu();
    entries = readMenu(menu);
    EXPECT_EQ((entryOf(entries, commandFullScreen).state & MF_CHECKED) != 0, turned);
    EXPECT_EQ((entryOf(entries, commandMenu).state & MF_CHECKED) != 0, !turned);
    EXPECT_EQ((entryOf(entries, commandKeys).state & MF_CHECKED) != 0, turned);
    DestroyMenu(menu);
  }
}

TEST_F(InputTest, MissingMenuTextsGiveEmptyLabelsWithALoneTab) {
  DestroyWindow(app->handle);
  removeFolder(folder + "\\languages");
  app = new ViewerApp();
  HMENU menu = app->buildContextMenu();
  const auto entries = readMenu(menu);
  EXPECT_EQ(entries[0].text, "\t");
  EXPECT_EQ(entries[10].text, "");  // the keys item has no key name
  DestroyMenu(menu);
}

TEST_F(InputTest, ApplicationKeysWorkWithoutAShowAndPhotoKeysOnlyClearTheirFlags) {
  for (int key : {VK_RIGHT, VK_LEFT, VK_UP, VK_DOWN, int('W'), VK_SPACE, VK_HOME, VK_END}) {
    press(key);
    EXPECT_FALSE(app->keyDown[key]) << key;
  }

  const bool fullScreen = app->fullScreen;
  press(VK_RETURN, true);
  EXPECT_NE(app->fullScreen, fullScreen);
  press(VK_RETURN, true);
  EXPECT_EQ(app->fullScreen, fullScreen);
  EXPECT_FALSE(app->keyDown[VK_CONTROL]);

  press('M', true);
  EXPECT_FALSE(app->menuShown);
  EXPECT_TRUE(panelsHidden);
  press('M', true);
  EXPECT_TRUE(app->menuShown);
  EXPECT_FALSE(panelsHidden);

  // Without Ctrl, Enter and M do nothing.
  press(VK_RETURN);
  press('M');
  EXPECT_EQ(app->fullScreen, fullScreen);
  EXPECT_TRUE(app->menuShown);

  lastOpened.clear();
  press(VK_F1);
  EXPECT_EQ(lastOpened, "file:///" + folder + "/help/help_cz.html");

  MSG message;
  while (PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {}
  press('Q', true);
  EXPECT_TRUE(PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

TEST_F(InputTest, CtrlNCtrlLAndTheirMenuItemsOpenTheConfigurationAndThePhotoList) {
  const struct {
    int key;
    int command;
    const char* className;
  } cases[] = {{'N', commandConfig, "Ovix - Nastavení"}, {'L', commandList, "Ovix - Seznam fotek"}};
  for (const auto& c : cases) {
    press(c.key, true);
    runAppCommand(*app, c.command);
    const std::vector<HWND> windows = threadWindows(c.className);
    EXPECT_EQ(windows.size(), 2u) << c.className;
    for (HWND window : windows) DestroyWindow(window);
  }
  for (HWND box : threadWindows("MsgBox Window")) DestroyWindow(box);  // the list's empty folder
}

TEST_F(InputTest, ZoomAndMoveKeysStopAtTheirLimits) {
  PhotoShow& show = openShow(3);
  for (int i = 0; i < 20; ++i) press(VK_UP);
  EXPECT_NEAR(show.distance, -2.5f, 1e-4);
  for (int i = 0; i < 40; ++i) press(VK_DOWN);
  EXPECT_NEAR(show.distance, -7.6f, 1e-4);
  // The wheel follows the same limits.
  for (int i = 0; i < 3; ++i) app->handleMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
  EXPECT_NEAR(show.distance, -6.7f, 1e-4);

  for (int i = 0; i < 30; ++i) press('S');
  EXPECT_LE(show.offsetY, 1.05f);
  EXPECT_GT(show.offsetY, 0.95f);
  for (int i = 0; i < 30; ++i) press('W');
  EXPECT_GE(show.offsetY, -1.05f);
  for (int i = 0; i < 30; ++i) press('A', true);  // Ctrl does not change A
  EXPECT_LE(show.offsetX, 1.05f);
  EXPECT_GT(show.offsetX, 0.95f);
  for (int i = 0; i < 30; ++i) press('D');
  EXPECT_GE(show.offsetX, -1.05f);
  EXPECT_LT(show.offsetX, -0.95f);
}

TEST_F(InputTest, SpacePausesAndTheChosenEffectSwitchesTheShowAndIsSaved) {
  PhotoShow& show = openShow(5);
  EXPECT_TRUE(show.playing);
  press(VK_SPACE);
  EXPECT_FALSE(show.playing);
  const uint32_t tick = show.tickCount;
  show.tick();
  EXPECT_EQ(show.tickCount, tick);  // paused: the clock stands
  press(VK_SPACE);
  EXPECT_TRUE(show.playing);

  runAppCommand(*app, commandFadeEffect);
  EXPECT_EQ(settings.effect, 1112);
  EXPECT_NE(dynamic_cast<FadeEffect*>(show.effect.currentEffect.get()), nullptr);
  HMENU menu = app->buildContextMenu();
  EXPECT_FALSE(GetMenuState(GetSubMenu(menu, 16), 1, MF_BYPOSITION) & MF_GRAYED);
  EXPECT_FALSE(GetMenuState(menu, 0, MF_BYPOSITION) & MF_GRAYED);
  DestroyMenu(menu);

  DestroyWindow(app->handle);  // shut-down writes the settings
  EXPECT_NE(readFile(folder + "\\config.conf").find("effect=1112;"), std::string::npos);
}

TEST_F(InputTest, TheKeysItemTogglesTheHelpPicture) {
  runAppCommand(*app, commandKeys);
  EXPECT_TRUE(app->helpShown);
  ASSERT_NE(app->helpPicture, nullptr);
  runAppCommand(*app, commandKeys);
  EXPECT_FALSE(app->helpShown);
  EXPECT_EQ(app->helpPicture, nullptr);
}

TEST_F(InputTest, TheAboutItemAndTheMenuPanelsAboutButtonOpenAbout) {
  for (bool fromPanel : {false, true}) {
    if (fromPanel) {
      app->menuPanel->pending = menuAbout;
      SendMessageA(app->handle, WM_TIMER, 0, 0);  // the next frame takes the panel's command
    } else {
      runAppCommand(*app, commandAbout);
    }
    HWND about = FindWindowA("Ovix - O programu", nullptr);
    ASSERT_NE(about, nullptr) << "from the panel: " << fromPanel;
    DestroyWindow(about);
  }
}
