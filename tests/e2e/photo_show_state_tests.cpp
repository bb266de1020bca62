// The photo show and the open photos dialog inside this process, with a GL window as the main
// window. The show's moves are read from its own state: the first and last photo commands
// reload the cache's window, so they are checked for folders that fit the window and folders
// that do not; folders smaller than a group; the line of a show with nothing to show. The
// dialog: what its controls store, when the settings are saved, and what run, cancel and Esc
// do to the show.
#include <gtest/gtest.h>
#include <windows.h>
#include <GL/glu.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "app/logo_wheel.h"
#include "app/viewer_app.h"
#include "dialogs/dialog_test_support.h"
#include "dialogs/open_dialog.h"
#include "glui/gl_test_context.h"
#include "photos/photo_show.h"
#include "photos/texture_image.h"
#include "sources/loading_reporter.h"
#include "show_driver.h"
#include "structure/settings.h"

namespace {
class InProcess : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(context.ready());
    instance = GetModuleHandleA(nullptr);
    mainWindow = context.window;
    settings = Settings();
    settings.textureSize = 256;
    DeleteFileA("config.conf");
  }
  void TearDown() override {
    close();
    delete logo;
    mainWindow = nullptr;
  }

  // A show of `count` new photos (makePhotoFolder) with cache level 8 that never steps by itself.
  void open(int count, LoadingReporter* reporter = nullptr) {
    folder = makePhotoFolder(count);
    lstrcpynA(photoDir, folder.c_str(), sizeof photoDir);
    ShowParams params;
    params.cacheLevel = 8;
    params.textureSize = 256;
    params.flipTime = 1000000;
    params.effectId = 1111;
    params.photoDir = photoDir;
    params.ownerWindow = context.window;
    params.reporter = reporter;
    show = new PhotoShow(params);
  }
  void close() {
    delete show;
    show = nullptr;
    if (!folder.empty()) removeFolder(folder);
    folder.clear();
  }
  // One slideshow step, as the clock running out makes it, and the frame after it.
  void step() {
    show->tickCount = 0;
    show->draw();
    show->draw();
  }
  // The number in the name "photoNN.bmp" of the show's large photo; 0 for none.
  int current() const {
    int number = 0;
    return show->current && show->current->name && std::sscanf(show->current->name, "photo%d", &number) == 1 ? number : 0;
  }
  // A new open dialog; it deletes itself with its window.
  OpenDialog* openDialog() { return new OpenDialog(&logo, &show); }
  // Run with `photos` typed as the folder; true when the dialog went.
  bool run(OpenDialog* dialog, const std::string& photos) {
    HWND window = dialog->handle;
    SetWindowTextA(dialog->photoEdit, photos.c_str());
    SendMessageA(dialog->runButton, BM_CLICK, 0, 0);
    return !IsWindow(window);
  }

  GlTestContext context;
  std::string folder;
  char photoDir[256] = {};
  PhotoShow* show = nullptr;
  LogoWheel* logo = nullptr;
};
}  // namespace

TEST_F(InProcess, FirstAndLastPhotoInFoldersSmallerAndLargerThanTheWindow) {
  for (int count : {3, 8, 10, 13}) {
    SCOPED_TRACE(count);
    open(count);
    ASSERT_EQ(show->loaded(), std::min(count, 8));
    EXPECT_EQ(current(), 1);

    show->angle = 90.0f;
    show->lastPhoto();
    show->draw();
    EXPECT_EQ(current(), count);
    EXPECT_EQ(show->angle, 0.0f);  // a photo change
    EXPECT_EQ(show->tickCount, 1u);
    step();  // after the last photo the folder starts over
    EXPECT_EQ(current(), 1);

    show->nextGroup();
    show->draw();
    show->firstPhoto();
    show->draw();
    EXPECT_EQ(current(), 1);
    EXPECT_EQ(show->groupIndex, 0u);
    // As at a fresh open: the slideshow runs 1, 2, 3, 4 and then the next group on 5.
    for (int expected = 2; expected <= 5 && count >= 5; ++expected) {
      step();
      EXPECT_EQ(current(), expected);
    }
    close();
  }
}

// Three photos: the fourth step shows the first, and the show stays on it. Thumbnail 3 beyond
// two photos keeps the photo but counts as a change. No photos: every command is taken. The
// film strip shows blank pictures beyond the photos. Paused, the pause button offers play.
TEST_F(InProcess, FoldersSmallerThanAGroupStepWrapAndTakeEveryCommand) {
  const struct {
    int count;
    std::vector<int> steps;
    int onThumbnail3;
  } folders[] = {{3, {2, 3, 1, 1, 1}, 3}, {2, {2}, 2}, {0, {0}, 0}};
  for (const auto& f : folders) {
    SCOPED_TRACE(f.count);
    open(f.count);
    for (int number : f.steps) {
      step();
      EXPECT_EQ(current(), number);
    }
    show->tickCount = 77;
    show->angle = -90.0f;
    show->selectThumbnail(2);
    show->draw();
    EXPECT_EQ(current(), f.onThumbnail3);
    EXPECT_EQ(show->groupIndex, 2u);
    EXPECT_EQ(show->tickCount, 1u);
    EXPECT_EQ(show->angle, 0.0f);
    show->firstPhoto();
    show->lastPhoto();
    show->nextGroup();
    show->previousGroup();
    show->togglePlaying();
    step();
    EXPECT_EQ(show->navigation.buttons[navigationPause]->imageIndex, 1u);
    for (int k = 0; k < 4; ++k) EXPECT_EQ(show->filmStrip.previews[k]->ownList == show->filmStrip.blankList, k >= f.count) << k;
    close();
  }
}

// Photos deleted while the show runs: once a reload finds nothing left, the frame says so in
// the middle of the scene, in letters far from the background.
TEST_F(InProcess, AShowWhosePhotosWentSaysSoInTheMiddleOfTheScene) {
  open(20);  // twenty, so that the last group's window is no window decoded ahead of time
  ASSERT_TRUE(waitFor([&] { return removeFolder(folder); }));  // files a decode has open go once it ends
  show->lastPhoto();
  // One frame in perspective, as the main window draws it, on a white background.
  glMatrixMode(GL_PROJECTION);
  gluPerspective(45.0, 640.0 / 480.0, 0.1, 100.0);
  glMatrixMode(GL_MODELVIEW);
  glClearColor(1.0f, 1.0f, 1.0f, 0.5f);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  show->draw();
  std::vector<unsigned char> band(200 * 40 * 4);
  glReadPixels(220, 220, 200, 40, GL_RGBA, GL_UNSIGNED_BYTE, band.data());
  int left = 200, right = -1;
  for (int i = 0; i < 200 * 40; ++i)
    if (band[i * 4] == band[i * 4 + 1] && band[i * 4 + 1] == band[i * 4 + 2] && band[i * 4] < 155)
      left = std::min(left, i % 200), right = std::max(right, i % 200);
  // A line of words, not a dot, centred in the window.
  EXPECT_TRUE(right - left > 60 && std::abs(left + right - 200) < 8) << left << "-" << right;
}

TEST_F(InProcess, ACancelledScanStartsNoShow) {
  struct Cancelling : LoadingReporter {  // cancels every scan it hears of, as the progress window's button does
    void waitStarted(uint32_t, std::atomic<bool>* cancel) override { if (cancel) cancel->store(true); }
  } cancelling;
  open(3, &cancelling);
  show->draw();
  EXPECT_TRUE(show->cancelled() && !show->current && show->loaded() == 0);
}

// The effect list opens on fade only for the fade code; the sub-folders box is saved the moment
// it is clicked; cancel, Esc and the close box leave the show and the stored folder alone.
TEST_F(InProcess, OpenDialogShowsTheEffectSavesTheBoxAtOnceAndCancelEscAndCloseLeaveTheShow) {
  const int32_t effects[] = {1112, 1111, 4242};
  for (int closing = 0; closing < 3; ++closing) {
    SCOPED_TRACE(closing);
    settings.effect = effects[closing];
    OpenDialog* dialog = openDialog();
    HWND window = dialog->handle;
    EXPECT_EQ(SendMessageA(dialog->effectList, CB_GETCURSEL, 0, 0), closing == 0);
    SendMessageA(dialog->subFoldersBox, BM_CLICK, 0, 0);  // ticks it, unticks it, ticks it
    EXPECT_EQ(settings.recursive, closing != 1);
    EXPECT_EQ(SendMessageA(dialog->subFoldersBox, BM_GETCHECK, 0, 0), closing != 1 ? BST_CHECKED : BST_UNCHECKED);
    EXPECT_NE(readFile("config.conf").find(closing != 1 ? "recursive=true;" : "recursive=false;"), std::string::npos);
    SetWindowTextA(dialog->photoEdit, "C:\\elsewhere");
    if (closing == 0) SendMessageA(dialog->cancelButton, BM_CLICK, 0, 0);
    if (closing == 1) SendMessageA(window, WM_KEYUP, VK_ESCAPE, 0);
    if (closing == 2) SendMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(show, nullptr);
    EXPECT_STREQ(settings.photoDir, "");  // the folder is stored only by run
  }
}

// Run stores the effect and the folder, cut to what the setting holds, and replaces the logo
// and the show. A second run, of an empty folder, replaces that show by an empty one; a
// config.conf that cannot be written is reported once, and the show starts all the same.
TEST_F(InProcess, OpenDialogRunStoresTheChoicesAndReplacesTheShowAndTheLogo) {
  logo = new LogoWheel(context.window);
  OpenDialog* dialog = openDialog();
  SendMessageA(dialog->effectList, CB_SETCURSEL, 1, 0);
  EXPECT_TRUE(run(dialog, std::string(300, 'x')));
  EXPECT_EQ(logo, nullptr);
  ASSERT_NE(show, nullptr);
  EXPECT_EQ(settings.effect, 1112);
  EXPECT_EQ(std::string(settings.photoDir), std::string(255, 'x'));
  EXPECT_NE(readFile("config.conf").find("effect=1112;"), std::string::npos);

  show->distance = -3.0f;  // marks the first show
  ASSERT_TRUE(SetFileAttributesA("config.conf", FILE_ATTRIBUTE_READONLY));
  EXPECT_TRUE(run(openDialog(), ""));
  SetFileAttributesA("config.conf", FILE_ATTRIBUTE_NORMAL);
  ASSERT_NE(show, nullptr);
  EXPECT_EQ(show->distance, -4.9f);
  EXPECT_EQ(show->loaded(), 0u);
  EXPECT_STREQ(settings.photoDir, "");
  int saveReports = 0;
  for (HWND box : threadWindows("MsgBox Window")) {
    saveReports += windowText(FindWindowExA(box, nullptr, "Static", nullptr)).find("config.conf") != std::string::npos;
    DestroyWindow(box);
  }
  EXPECT_EQ(saveReports, 1);
}

// A folder name the ANSI code page cannot hold (here Japanese) is refused with a message; the
// dialog stays, and neither the stored folder nor the show changes.
TEST_F(InProcess, OpenDialogRefusesAFolderNameOutsideTheCodePage) {
  lstrcpyA(settings.photoDir, "C:\\Previous");
  OpenDialog* dialog = openDialog();
  SetWindowTextW(dialog->photoEdit, L"C:\\\u5199\u771f");
  SendMessageA(dialog->runButton, BM_CLICK, 0, 0);
  HWND box = FindWindowA("MsgBox Window", "Špatná cesta");
  ASSERT_NE(box, nullptr);
  EXPECT_NE(windowText(FindWindowExA(box, nullptr, "Static", nullptr)).find("obsahuje znaky"), std::string::npos);
  EXPECT_TRUE(IsWindow(dialog->handle));
  EXPECT_STREQ(settings.photoDir, "C:\\Previous");
  EXPECT_EQ(show, nullptr);
  DestroyWindow(box);
  DestroyWindow(dialog->handle);
}
