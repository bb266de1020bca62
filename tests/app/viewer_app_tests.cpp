// Ovix's application object in-process, in a scratch program folder (ProgramFolder) with a
// config.conf of the test's: the window's modes, the GL state, the idle frame, the keys, wheel,
// context menu and menu panel. Its photo show, read from the show's own state: first and last
// photo for folders that fit the cache's window and folders that do not, folders smaller than a
// group, the line of a show with nothing to show (empty and unreadable folders, photos gone), a
// cancelled scan. The open photos dialog: what its controls store, when the settings are saved,
// and what run, cancel and Esc do to the show. Last, the window registry under three threads.
#include <gtest/gtest.h>

#include <GL/gl.h>
#include <shlobj.h>

#include <algorithm>
#include <string>
#include <atomic>
#include <cstring>
#include <cstdio>
#include <thread>
#include <tuple>
#include <vector>

#include "app/logo_wheel.h"
#include "app/viewer_app.h"
#include "dialogs/dialog_test_support.h"  // with the app's commands, the settings and paths
#include "dialogs/open_dialog.h"
#include "dialogs/photo_list_window.h"
#include "platform/ansi_text.h"
#include "e2e/show_driver.h"
#include "glui/menu_panel.h"
#include "glui/scene_line.h"
#include "photos/fade_effect.h"
#include "photos/photo_cache.h"  // with the textures and LoadingReporter
#include "photos/photo_show.h"
#include "platform/window_registry.h"
#include "sources/photo_sources.h"

namespace {
const auto* const environment = ::testing::AddGlobalTestEnvironment(new ProgramFolder);

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

// A folder without end, as a drive root is to a scan: sub-folder after sub-folder. Counts the
// scans under way; every scan ends once `giveUp` is set, as it is when the listing goes, or by
// itself after a minute, when it sets `giveUp` (so a test can tell that something waited for it).
struct EndlessListing : FolderListing {
  EndlessListing() { replaceFolderListing(this); }
  ~EndlessListing() override {
    giveUp = true;
    while (inside > 0) Sleep(1);
    replaceFolderListing(nullptr);
  }
  void list(const std::string&, const std::function<bool(const ListedEntry& entry)>& visit) override {
    ++inside, ++listed;
    const ULONGLONG end = GetTickCount64() + 60000;
    while (!giveUp && visit({"folder", true, false}))
      if (GetTickCount64() > end) giveUp = true;
    --inside;
  }
  std::atomic<int> inside{0}, listed{0};
  std::atomic<bool> giveUp{false};
};

class AppTest : public ::testing::Test {
protected:
  void SetUp() override {
    quitPosted();  // the one the last test's shut-down left
    writeFile("config.conf", "[Configuration][Program]check_updates=false;full_screen=false;x=40;y=30;[/Program]"
                             "[Graphics]texture_size=256;[/Graphics][/Configuration]");
    settings = Settings();
    panelsHidden = false;
    app = new ViewerApp();
    GetClientRect(app->handle, &client);
  }
  void TearDown() override {
    if (ViewerApp::runningApp) DestroyWindow(ViewerApp::runningApp->handle);  // deletes the show
    if (!photos.empty()) removeFolder(photos);
  }
  // A key press as the window gets it, held for two frames: the command must not repeat.
  void press(int key, bool withControl = false) {
    if (withControl) SendMessageA(app->handle, WM_KEYDOWN, VK_CONTROL, 0);
    SendMessageA(app->handle, WM_KEYDOWN, key, 0);
    for (int frame = 0; frame < 2; ++frame) app->pollKeys();
    SendMessageA(app->handle, WM_KEYUP, key, 0);
    SendMessageA(app->handle, WM_KEYUP, VK_CONTROL, 0);
  }
  // The app's show, replaced by one of `count` new photos (makePhotoFolder), and three files
  // that are no pictures when `unreadable`, with cache level 8; it never steps by itself. With
  // `music`, it plays the music of the empty folder "music" in the photos' folder.
  PhotoShow& open(int count, LoadingReporter* reporter = nullptr, bool unreadable = false, bool music = false) {
    delete app->photoShow;
    if (!photos.empty()) removeFolder(photos);
    photos = makePhotoFolder(count);
    for (const char* name : {"\\a.jpg", "\\b.png", "\\c.bmp"})
      if (unreadable) writeFile(photos + name, "not a picture at all");
    EXPECT_TRUE(!music || CreateDirectoryA((photos + "\\music").c_str(), nullptr));
    // cache level, texture size, flip time, effect, music, smoothing, names, sub-folders, folders, owner
    return *(show = app->photoShow = new PhotoShow({8, 256, 1000000, 1111, music, false, false, false, photos, "",
                                                    music ? photos + "\\music" : "", app->handle, reporter}));
  }
  // config.conf holds `text`.
  static bool saved(const std::string& text) { return readFile("config.conf").find(text) != std::string::npos; }
  // The app's show (null for none) once its first photos are loaded, drawn once; how many loaded.
  size_t drawn() {
    const size_t count = (show = app->photoShow) ? show->loaded() : 0;
    if (show) show->draw();
    return count;
  }
  // One slideshow step, as the clock running out makes it, and the frame after it; the photo
  // shown then (current).
  int step() {
    show->tickCount = 0;
    show->draw();
    show->draw();
    return current();
  }
  // Runs `command` on a show turned and part-way through its clock, and draws; the photo shown
  // then (current) when the clock and the turn started again, as a photo change makes them, else -1.
  int changed(const std::function<void()>& command) {
    show->tickCount = 77;
    show->angle = -90.0f;
    command();
    show->draw();
    return show->tickCount == 1u && show->angle == 0.0f ? current() : -1;
  }
  // The number in the name "photoNN" of the show's large photo; 0 for none.
  int current() const {
    int number = 0;
    const TextureImage* photo = show->largePhoto;
    return photo && photo->name && std::sscanf(photo->name, "photo%d", &number) == 1 ? number : 0;
  }
  // `names` (ASCII, each ended by "|") dropped on the main window, as the shell hands them over.
  void drop(const std::string& names) {
    std::wstring list(names.begin(), names.end());
    std::replace(list.begin(), list.end(), L'|', L'\0');
    // Fixed memory: its handle is its address, and GlobalLock hands that back.
    auto* files = static_cast<DROPFILES*>(GlobalAlloc(GPTR, sizeof(DROPFILES) + (list.size() + 1) * sizeof(wchar_t)));
    *files = DROPFILES{sizeof(DROPFILES), {}, FALSE, TRUE};
    std::memcpy(files + 1, list.c_str(), (list.size() + 1) * sizeof(wchar_t));
    SendMessageA(app->handle, WM_DROPFILES, reinterpret_cast<WPARAM>(files), 0);  // Ovix frees it
  }
  // The open dialog's run with `typed` as the photo folder and effect `effect`; true when the
  // dialog went.
  bool run(const wchar_t* typed, int effect) {
    OpenDialog* dialog = new OpenDialog(*app);  // deletes itself with its window
    HWND window = dialog->handle;
    SendMessageA(dialog->effectList, CB_SETCURSEL, effect, 0);
    SetWindowTextW(dialog->photoEdit, typed);
    SendMessageA(dialog->runButton, BM_CLICK, 0, 0);
    return !IsWindow(window);
  }
  // The texts of this thread's message boxes, which it closes.
  static std::vector<std::wstring> closeMessageBoxes() {
    std::vector<std::wstring> texts;
    for (HWND box : threadWindows("MsgBox Window")) {
      texts.push_back(windowTextWide(FindWindowExA(box, nullptr, "Static", nullptr)));
      DestroyWindow(box);
    }
    return texts;
  }

  std::string photos;
  ViewerApp* app = nullptr;
  PhotoShow* show = nullptr;
  RECT client = {};
};
}  // namespace

TEST_F(AppTest, CtrlEnterTogglesBetweenTheConfiguredWindowAndFullScreenEscLeavesItAndQuittingSavesTheCorner) {
  // Key, full screen then; Esc in a window does nothing.
  const std::pair<int, bool> presses[] = {{0, false},       {VK_ESCAPE, false}, {VK_RETURN, true}, {VK_ESCAPE, false},
                                          {VK_RETURN, true}, {VK_RETURN, false}, {VK_RETURN, true}};
  for (const auto& [key, fullScreen] : presses) {
    if (key) press(key, key == VK_RETURN);
    RECT place, expected = fullScreen ? RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}
                                      : RECT{40, 30, 40 + 450, 30 + 370};
    GetWindowRect(app->handle, &place);
    EXPECT_TRUE(EqualRect(&place, &expected) && app->fullScreen == fullScreen) << key;
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(app->handle, GWL_STYLE)) & (WS_POPUP | WS_CAPTION),
              fullScreen ? WS_POPUP | WS_BORDER : WS_CAPTION);
  }
  DestroyWindow(app->handle);  // the window procedure deletes the application, which saves
  EXPECT_TRUE(ViewerApp::runningApp == nullptr && saved("\t\tx=0;\r\n\t\ty=0;\r\n"));
}

TEST_F(AppTest, TheIdleFrameShowsTheWheelAndItsTextOrTheHelpAndClearsToTheSettingsColourAtHeightZero) {
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

  std::tie(settings.bgRed, settings.bgGreen, settings.bgBlue) = std::make_tuple(200u, 100u, 50u);
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

// Wine 8 reports per-monitor awareness for every window, manifest or not: what Windows makes
// of the manifest is read through an activation context instead.
TEST_F(AppTest, OvixDeclaresPerMonitorDpiAndLongPathsAndItsViewportFollowsTheWindowToAnotherDpi) {
  ACTCTXA request = {sizeof request, ACTCTX_FLAG_RESOURCE_NAME_VALID, "ovix.exe", 0, 0, nullptr, MAKEINTRESOURCEA(1), nullptr, nullptr};
  HANDLE context = CreateActCtxA(&request);  // fails for a manifest Windows cannot parse
  ASSERT_NE(context, INVALID_HANDLE_VALUE);
  auto manifestSetting = [context](const wchar_t* year, const wchar_t* name) {  // "" when there is none
    wchar_t value[128] = {};
    const std::wstring space = std::wstring(L"http://schemas.microsoft.com/SMI/") + year + L"/WindowsSettings";
    return std::wstring(QueryActCtxSettingsW(0, context, space.c_str(), name, value, 128, nullptr) ? value : L"");
  };
  EXPECT_EQ(manifestSetting(L"2016", L"dpiAwareness").rfind(L"PerMonitorV2,", 0), 0u);
  EXPECT_EQ(manifestSetting(L"2005", L"dpiAware") + manifestSetting(L"2016", L"longPathAware"), L"true/pmtrue");
  ReleaseActCtx(context);

  // Moved to a display of 144 dpi, the window takes the place Windows suggests, and the
  // viewport covers its client area.
  RECT suggested = {70, 60, 70 + 675, 60 + 555}, place = {}, area = {};
  SendMessageA(app->handle, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
  GLint viewport[4] = {};
  glGetIntegerv(GL_VIEWPORT, viewport);
  EXPECT_TRUE(GetClientRect(app->handle, &area) && GetWindowRect(app->handle, &place) && EqualRect(&place, &suggested));
  EXPECT_TRUE(viewport[0] == 0 && viewport[1] == 0 && viewport[2] == area.right && viewport[3] == area.bottom);
}

TEST_F(AppTest, WithoutAShowThePhotoItemsAreGreyAndTheKeysTurnTheMenusChecksOpenTheHelpAndQuit) {
  for (int key : {VK_RIGHT, VK_UP, int('S'), VK_SPACE, int('M')}) press(key);  // no show: must not crash
  for (bool turned : {false, true}) {
    if (turned) {
      for (int key : {VK_RETURN, int('M')}) press(key, true);
      press('I');
      for (int command : {commandKeys, commandShuffle}) runAppCommand(*app, command);
    }
    HMENU menu = app->buildContextMenu();
    auto has = [&](int id, UINT flag) { return (GetMenuState(menu, id, MF_BYCOMMAND) & flag) != 0; };
    for (int id = commandPlayPause; id <= commandLast; ++id) EXPECT_TRUE(has(id, MF_GRAYED)) << id;
    EXPECT_TRUE(has(commandPlainEffect, MF_GRAYED) && has(commandFadeEffect, MF_GRAYED));
    EXPECT_FALSE(has(commandOpen, MF_GRAYED) || has(commandExit, MF_GRAYED));
    EXPECT_TRUE(has(commandFullScreen, MF_CHECKED) == turned && has(commandMenu, MF_CHECKED) != turned &&
                has(commandKeys, MF_CHECKED) == turned && panelsHidden == turned &&
                has(commandInfo, MF_CHECKED) == turned && has(commandShuffle, MF_CHECKED) == turned);
    DestroyMenu(menu);
  }
  press(VK_F1);
  EXPECT_EQ(opened.empty() ? "" : opened.back(), "file:///" + programFolder + "/help/help_cz.html");
  press('N', true);  // the configuration dialog, which goes with the main window
  EXPECT_EQ(threadWindows("Ovix - Nastavení").size(), 1u);
  press('Q', true);
  EXPECT_TRUE(quitPosted());
}

TEST_F(AppTest, KeysTheWheelAndTheContextMenuDriveTheShowOncePerPressUpToTheLimits) {
  open(6);
  const std::tuple<int, int, float*, float> moves[] = {  // key, presses, what moves, where it ends
      {VK_UP, 1, &show->distance, -4.6f}, {VK_UP, 20, &show->distance, -2.5f}, {VK_DOWN, 40, &show->distance, -7.6f},
      {'S', 1, &show->offsetY, 0.1f},     {'S', 30, &show->offsetY, 1.0f},     {'W', 30, &show->offsetY, -1.0f},
      {'A', 30, &show->offsetX, 1.0f},    {'D', 30, &show->offsetX, -1.0f}};
  for (const auto& [key, presses, value, expected] : moves) {
    for (int i = 0; i < presses; ++i) press(key, key == 'A');  // Ctrl does not change A
    EXPECT_NEAR(*value, expected, 0.01f) << key << " x" << presses;
  }
  for (int delta : {WHEEL_DELTA, WHEEL_DELTA, -WHEEL_DELTA, WHEEL_DELTA})
    SendMessageA(app->handle, WM_MOUSEWHEEL, MAKEWPARAM(0, delta), 0);
  EXPECT_NEAR(show->distance, -7.0f, 0.01f);
  const std::pair<int, uint32_t> steps[] = {{VK_LEFT, 0}, {VK_RIGHT, 1}, {VK_RIGHT, 2}, {VK_LEFT, 1}};
  for (const auto& [key, group] : steps) {
    press(key);
    EXPECT_EQ(show->groupIndex, group) << key;
  }
  press(VK_SPACE);
  step();  // paused, the clock running out moves nothing
  EXPECT_TRUE(!show->playing && show->groupIndex == 1u);

  runAppCommand(*app, commandFadeEffect);
  HMENU menu = app->buildContextMenu();
  EXPECT_TRUE(dynamic_cast<FadeEffect*>(show->effect.currentEffect.get()) &&
              !(GetMenuState(menu, commandFadeEffect, MF_BYCOMMAND) & MF_GRAYED));
  DestroyMenu(menu);
  DestroyWindow(app->handle);  // the shut-down writes the settings
  EXPECT_TRUE(saved("effect=1112;"));
}

TEST_F(AppTest, AClickOnAMenuButtonRunsItsCommandOnceOnTheNextFrame) {
  const std::pair<int, const char*> buttons[] = {
      {menuConfig, "Ovix - Nastavení"}, {menuAbout, "Ovix - O programu"}, {menuExit, nullptr}};
  for (const auto& [button, windowClass] : buttons) {  // no window: Ovix quits
    clickScene(app->handle, 0.25 * button - 0.3925, 0.5215);
    for (int frame = 0; frame < 2; ++frame) SendMessageA(app->handle, WM_TIMER, 0, 0);
    EXPECT_EQ(threadWindows(windowClass ? windowClass : "none").size(), windowClass ? 1u : 0u) << button;
    EXPECT_EQ(quitPosted(), windowClass == nullptr) << button;  // the windows go with the main window
  }
}

// The window's arithmetic of the jumps is the native tests'; here the show's side of them.
TEST_F(AppTest, FirstAndLastPhotoAreAPhotoChange) {
  open(10);
  EXPECT_TRUE(changed([&] { show->lastPhoto(); }) == 10 && show->groupIndex == 1u);
  EXPECT_TRUE(changed([&] { show->firstPhoto(); }) == 1 && show->groupIndex == 0u);
}

// The one way a show starts: the record comes from the settings, the folder is stored as the
// check spelled it, and the show opens on the photo named by its path however Windows would spell
// it (a photo's own path as the folder too, as a command line gives it); a path the folder does
// not hold, or none, opens on the first photo. The walk goes on from there. Random order on: the
// show starts again at the photo it showed, first in an order that is not the scan's; off: the
// scan's order at that photo. Reopening goes on where the show stood; another folder at its first.
TEST_F(AppTest, OpenPhotosStartsAtTheNamedPhotoInTheOrderAndWithTheShowTheSettingsDescribe) {
  photos = makePhotoFolder(13);
  ASSERT_TRUE(CreateDirectoryA((photos + "\\sub").c_str(), nullptr) &&
              CopyFileA((photos + "\\photo01.png").c_str(), (photos + "\\sub\\photo99.png").c_str(), TRUE));
  settings.flipTime = 1234;  // the cache level stays 8
  settings.photoNames = settings.recursive = true;
  settings.effect = 1112;
  const std::tuple<std::string, std::string, int> rows[] = {  // folder, start, first photo
      {photos, photos + "/PHOTO12.png", 12}, {photos + "\\photo05.png", photos + "\\photo05.png", 5},
      {photos + "\\", photos + "\\nothere.png", 1}};
  for (const auto& [folder, start, first] : rows) {
    SCOPED_TRACE(start);
    ASSERT_TRUE(app->openPhotos(folder, start) && drawn() == 8u && !app->logoWheel);
    EXPECT_TRUE(current() == first && step() == first + 1 && std::string(settings.photoDir) == photos);
  }
  EXPECT_TRUE(show->showNames && show->effect.interval == 1234u && show->cache->photoList->size() == 14u &&
              dynamic_cast<FadeEffect*>(show->effect.currentEffect.get()));
  for (bool shuffled : {true, false}) {
    runAppCommand(*app, commandShuffle);  // which opens the show again
    drawn();
    std::string order;  // the scan's order, or 02 and the rest in any other
    for (const auto& entry : show->cache->photoList->entries) order += entry->name.substr(5, 2);
    EXPECT_TRUE(current() == 2 && settings.shuffle == shuffled && (order == "0102030405060708091011121399") != shuffled &&
                order != "0201030405060708091011121399") << order;
    runAppCommand(*app, commandList);  // the photo list lists the show's own order
    const std::vector<HWND> windows = threadWindows("Ovix - Seznam fotek");
    auto* list = windows.empty() ? nullptr : dynamic_cast<PhotoListWindow*>(WindowRegistry::find(windows.back()));
    EXPECT_TRUE(list && list->scan == show->cache->photoList);
    if (list) DestroyWindow(list->handle);
  }
  step();
  EXPECT_TRUE(app->openPhotos(photos, "") && drawn() && current() == 3 && !strcmp(settings.lastPhoto, "photo03.png"));
  const std::string other = makePhotoFolder(3);
  EXPECT_TRUE(app->openPhotos(other, "") && drawn() && current() == 1 && settings.lastPhoto[0] == '\0');
  removeFolder(other);
}

// Three photos: the fourth step shows the first, and the show stays on it. Thumbnail 3 beyond
// two photos keeps the photo but counts as a change. No photos: every command is taken. The
// film strip shows blank pictures beyond the photos. Paused, the pause button offers play.
TEST_F(AppTest, FoldersSmallerThanAGroupStepWrapAndTakeEveryCommand) {
  const std::tuple<int, std::vector<int>, int> folders[] = {{3, {2, 3, 1, 1, 1}, 3}, {2, {2}, 2}, {0, {0}, 0}};
  for (const auto& [count, steps, onThumbnail3] : folders) {  // photos, the steps' photos, the thumbnail's
    SCOPED_TRACE(count);
    open(count);
    for (int number : steps) EXPECT_EQ(step(), number);
    EXPECT_TRUE(changed([&] { show->selectThumbnail(2); }) == onThumbnail3 && show->groupIndex == 2u);
    for (auto command : {&PhotoShow::firstPhoto, &PhotoShow::lastPhoto, &PhotoShow::nextGroup, &PhotoShow::previousGroup,
                         &PhotoShow::togglePlaying})
      (show->*command)();
    step();
    EXPECT_EQ(show->navigation.buttons[navigationPause]->imageIndex, 1u);
    for (int k = 0; k < 4; ++k) EXPECT_EQ(show->filmStrip.previews[k]->ownList == show->filmStrip.blankList, k >= count) << k;
  }
}

// Nothing to show: an empty folder, one of files that are no pictures, and photos deleted while
// the show runs, once a reload finds nothing left. The frame says so in the middle of the scene,
// in letters far from the background.
TEST_F(AppTest, AShowWithNothingToShowSaysSoInTheMiddleOfTheScene) {
  for (int kind = 0; kind < 3; ++kind) {
    SCOPED_TRACE(kind);
    open(kind == 2 ? 20 : 0, nullptr, kind == 1);  // twenty: the last group's window is not decoded ahead of time
    if (kind == 2) {
      ASSERT_TRUE(waitFor([&] { return removeFolder(photos); }));  // files a decode has open go once it ends
      show->lastPhoto();
    }
    glClearColor(1.0f, 1.0f, 1.0f, 0.5f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    show->draw();
    std::vector<unsigned char> band(200 * 40 * 4);
    glReadPixels(client.right / 2 - 100, client.bottom / 2 - 20, 200, 40, GL_RGBA, GL_UNSIGNED_BYTE, band.data());
    int left = 200, right = -1;
    for (int i = 0; i < 200 * 40; ++i)
      if (band[i * 4] == band[i * 4 + 1] && band[i * 4 + 1] == band[i * 4 + 2] && band[i * 4] < 155)
        left = std::min(left, i % 200), right = std::max(right, i % 200);
    // A line of words, not a dot, centred in the window.
    EXPECT_TRUE(right - left > 60 && std::abs(left + right - 200) < 8) << left << "-" << right;
  }
}

// A dropped photo (of several, the first) starts its folder's show at itself; I puts the line
// about it under the film strip and takes it away. A dropped path that names nothing leaves
// the idle scene and the stored folder.
TEST_F(AppTest, ADropStartsTheShowAtTheDroppedPhotoAndIShowsItsLineUnderTheFilmStrip) {
  photos = makePhotoFolder(5);
  drop(photos + "\\photo03.png|" + photos + "\\photo01.png|");
  ASSERT_EQ(drawn(), 5u);
  EXPECT_TRUE(current() == 3 && std::string(settings.photoDir) == photos);
  for (bool shown : {true, false}) {
    press('I');
    app->drawFrame();
    EXPECT_TRUE(settings.showInfo == shown && (brighter(100, 0, 0, client.right, client.bottom / 25) > 20) == shown);
  }
  ASSERT_TRUE(show->infoLine);
  EXPECT_EQ(show->infoLine->text.substr(0, 35), "3 / 5     photo03.png     320 x 240") << show->infoLine->text;
  drop(photos + "\\nothing here|");
  EXPECT_TRUE(!app->photoShow && app->logoWheel && std::string(settings.photoDir) == photos &&
              FindWindowA("MsgBox Window", "Špatná cesta"));
  closeMessageBoxes();
}

// Scans that never end by themselves, of the photos and of the music: frames go on meanwhile,
// with nothing to draw yet, and closing Ovix stops both scans and saves the settings. After a
// minute the scans give up by themselves, so a frame or a close that waits for one fails.
TEST_F(AppTest, FramesGoOnDuringScansWithoutEndAndClosingStopsThem) {
  EndlessListing endless;
  LoadingReporter quiet;
  open(0, &quiet, false, true);  // with music
  // The frame timer draws while this waits; the music scan lists a folder at each level.
  EXPECT_TRUE(waitFor([&] { return endless.listed >= 3; }));
  app->drawFrame();
  EXPECT_TRUE(show->musicBar.music && !show->cache->opened() && !show->largePhoto);
  DeleteFileA("config.conf");
  DestroyWindow(app->handle);
  EXPECT_FALSE(endless.giveUp) << "a frame or the close waited for a scan without end";
  EXPECT_TRUE(endless.inside == 0 && fileExists("config.conf"));
}

TEST_F(AppTest, ACancelledScanStartsNoShow) {
  struct Cancelling : LoadingReporter {  // cancels every scan it hears of, as the progress window's button does
    void waitStarted(uint32_t, std::atomic<bool>* cancel) override { if (cancel) cancel->store(true); }
  } cancelling;
  open(3, &cancelling).draw();
  EXPECT_TRUE(show->cancelled() && !show->largePhoto && show->loaded() == 0);
}

// The effect list opens on fade only for the fade code; the sub-folders box is saved the moment
// it is clicked; cancel leaves the show, the logo and the stored folder alone (Esc and the close
// box are the dialog frame's, seen with the configuration dialog).
TEST_F(AppTest, OpenDialogShowsTheEffectSavesTheBoxAtOnceAndCancelLeavesTheShow) {
  for (const int32_t effect : {1112, 1111, 4242}) {
    SCOPED_TRACE(effect);
    settings.effect = effect;
    OpenDialog* dialog = new OpenDialog(*app);
    HWND window = dialog->handle;
    EXPECT_EQ(SendMessageA(dialog->effectList, CB_GETCURSEL, 0, 0), effect == 1112);
    SendMessageA(dialog->subFoldersBox, BM_CLICK, 0, 0);  // ticks it, unticks it, ticks it
    const bool ticked = effect != 1111;
    EXPECT_TRUE(settings.recursive == ticked && saved(ticked ? "recursive=true;" : "recursive=false;") &&
                SendMessageA(dialog->subFoldersBox, BM_GETCHECK, 0, 0) == (ticked ? BST_CHECKED : BST_UNCHECKED));
    SetWindowTextA(dialog->photoEdit, "C:\\elsewhere");
    SendMessageA(dialog->cancelButton, BM_CLICK, 0, 0);
    EXPECT_TRUE(!IsWindow(window) && app->photoShow == nullptr && app->logoWheel && !settings.photoDir[0]);
  }
}

// Run stores the effect and the folders (in any script, cut to the 255 characters the settings
// keep) and replaces the logo and the show; a folder that is not there is reported with its real
// name. A second run, of an empty folder, replaces that show by an empty one; a config.conf that
// cannot be written is reported once, and the show starts all the same.
TEST_F(AppTest, OpenDialogRunStoresFoldersInAnyScriptAndReplacesTheShow) {
  lstrcpyA(settings.photoDir, "C:\\Previous");
  EXPECT_TRUE(run(L"C:\\\u5199\u771f", 0) && saved("photo_dir=\"C:\\\\\xE5\x86\x99\xE7\x9C\x9F\";"));
  EXPECT_EQ(std::string(settings.photoDir), "C:\\\xE5\x86\x99\xE7\x9C\x9F");
  const std::vector<std::wstring> reported = closeMessageBoxes();
  EXPECT_TRUE(reported.size() == 1 && reported[0].substr(0, 13) == L"Cesta 'C:\\\u5199\u771f'");

  ASSERT_TRUE(run(std::wstring(300, L'x').c_str(), 1) && app->logoWheel == nullptr && app->photoShow);
  EXPECT_TRUE(settings.effect == 1112 && saved("effect=1112;"));
  EXPECT_EQ(std::string(settings.photoDir), std::string(255, 'x'));

  app->photoShow->distance = -3.0f;  // marks the first show
  ASSERT_TRUE(SetFileAttributesA("config.conf", FILE_ATTRIBUTE_READONLY));
  EXPECT_TRUE(run(L"", 0));
  SetFileAttributesA("config.conf", FILE_ATTRIBUTE_NORMAL);
  EXPECT_TRUE((show = app->photoShow) && show->distance == -4.9f && show->loaded() == 0u && !settings.photoDir[0]);
  int saveReports = 0;
  for (const std::wstring& text : closeMessageBoxes()) saveReports += text.find(L"config.conf") != std::wstring::npos;
  EXPECT_EQ(saveReports, 1);
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
