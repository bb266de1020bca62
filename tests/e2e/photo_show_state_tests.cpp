// The photo show and the open photos dialog inside this process, with a GL window as the main
// window. The show's moves are read from its own state; the first and last photo commands
// reload the cache's window, so they are checked for folders that fit the window and folders
// that do not. The dialog: what its controls store, when the settings are saved, and what run,
// cancel and Esc do to the show.
#include <gtest/gtest.h>
#include <windows.h>
#include <GL/glu.h>

#include <algorithm>
#include <vector>
#include <cstdio>
#include <string>
#include <tuple>

#include "app/logo_wheel.h"
#include "app/viewer_app.h"
#include "dialogs/dialog_test_support.h"
#include "dialogs/open_dialog.h"
#include "glui/gl_test_context.h"
#include "photos/photo_cache.h"
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

  // A show of `photos` with cache level 8 that never steps by itself.
  void open(const std::string& photos) {
    folder = photos;
    std::snprintf(photoDir, sizeof photoDir, "%s", folder.c_str());
    ShowParams params;
    params.cacheLevel = 8;
    params.textureSize = 256;
    params.flipTime = 1000000;
    params.effectId = 1111;
    params.photoDir = photoDir;
    params.ownerWindow = context.window;
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
    if (!show->current || !show->current->name || std::sscanf(show->current->name, "photo%d", &number) != 1) return 0;
    return number;
  }

  // A new open dialog; the object deletes itself with its window.
  HWND openDialog() {
    auto* dialog = new OpenDialog(&logo, &show);
    photoEdit = dialog->photoEdit;
    subFolders = dialog->subFoldersBox;
    effects = dialog->effectList;
    return dialog->handle;
  }

  GlTestContext context;
  std::string folder;
  char photoDir[256] = {};
  PhotoShow* show = nullptr;
  LogoWheel* logo = nullptr;
  HWND photoEdit = nullptr, subFolders = nullptr, effects = nullptr;
};
}  // namespace

TEST_F(InProcess, FirstAndLastPhotoInFoldersSmallerAndLargerThanTheWindow) {
  for (int count : {3, 8, 10, 13}) {
    SCOPED_TRACE(count);
    open(makePhotoFolder(count));
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

TEST_F(InProcess, SmallFoldersStepWrapAndTakeEveryCommand) {
  // Three photos: the fourth step shows the first, and the show stays on it.
  open(makePhotoFolder(3));
  for (int number : {2, 3, 1, 1, 1}) {
    step();
    EXPECT_EQ(current(), number);
  }
  close();

  // Two photos: a thumbnail beyond them keeps the photo but counts as a change.
  open(makePhotoFolder(2));
  step();
  ASSERT_EQ(current(), 2);
  show->tickCount = 77;
  show->angle = -90.0f;
  show->selectThumbnail(2);
  show->draw();
  EXPECT_EQ(current(), 2);
  EXPECT_EQ(show->groupIndex, 2u);
  EXPECT_EQ(show->tickCount, 1u);
  EXPECT_EQ(show->angle, 0.0f);
  close();

  // No photos: every command is taken, and the film strip shows blank pictures.
  open(makeScratchFolder("ovix-empty"));
  EXPECT_EQ(show->loaded(), 0u);
  show->firstPhoto();
  show->lastPhoto();
  show->nextGroup();
  show->previousGroup();
  show->selectThumbnail(3);
  step();
  EXPECT_EQ(show->current, nullptr);
  for (GlButton* preview : show->filmStrip.previews) EXPECT_EQ(preview->ownList, show->filmStrip.blankList);
}

TEST_F(InProcess, AShowWithNothingToShowSaysSoInTheMiddleOfTheScene) {
  enum Folder { empty, photos, photosDeleted };
  const std::tuple<Folder, float, bool> cases[] = {{empty, 1.0f, true}, {photos, 0.0f, false}, {photosDeleted, 0.0f, true}};
  for (const auto& [kind, clear, line] : cases) {
    SCOPED_TRACE(kind);
    // Twenty photos, so that the last group's window is no window decoded ahead of time.
    open(kind == empty ? makeScratchFolder("ovix-nothing") : makePhotoFolder(kind == photos ? 10 : 20));
    if (kind == photosDeleted) {
      // Files a decode still has open go once it ends.
      ASSERT_TRUE(waitFor([&] { return removeFolder(folder); }));
      show->lastPhoto();  // reloads the window: nothing is left
    }
    // One frame in perspective, as the main window draws it, on a white or black background.
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45.0, 640.0 / 480.0, 0.1, 100.0);
    glMatrixMode(GL_MODELVIEW);
    glClearColor(clear, clear, clear, 0.5f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    show->draw();
    // Grey letters far from the background in the middle band (photos and bars are coloured).
    std::vector<unsigned char> band(200 * 40 * 4);
    glReadBuffer(GL_BACK);
    glReadPixels(220, 220, 200, 40, GL_RGBA, GL_UNSIGNED_BYTE, band.data());
    int left = 200, right = -1;
    for (int i = 0; i < 200 * 40; ++i) {
      const unsigned char* p = &band[i * 4];
      if (p[0] == p[1] && p[1] == p[2] && std::abs(p[0] - clear * 255) > 100)
        left = std::min(left, i % 200), right = std::max(right, i % 200);
    }
    EXPECT_EQ(right >= 0, line);
    // A line of words, not a dot, centred in the window.
    if (line) {
      EXPECT_TRUE(right - left > 60 && std::abs(left + right - 200) < 8) << left << "-" << right;
    }
    close();
  }
}

TEST_F(InProcess, OpenDialogEffectListOpensOnFadeOnlyForTheFadeCode) {
  for (const auto& [effect, entry] : {std::pair<int32_t, LRESULT>{1112, 1}, {1111, 0}, {1113, 0}, {4242, 0}}) {
    settings.effect = effect;
    HWND dialog = openDialog();
    EXPECT_EQ(SendMessageA(effects, CB_GETCURSEL, 0, 0), entry) << effect;
    DestroyWindow(dialog);
  }
}

TEST_F(InProcess, OpenDialogCheckBoxesSaveAtOnceAndCancelEscAndCloseLeaveTheShow) {
  for (UINT closing : {0u, 1u, 2u}) {
    HWND dialog = openDialog();
    const bool before = settings.recursive;
    SendMessageA(subFolders, BM_CLICK, 0, 0);
    EXPECT_EQ(settings.recursive, !before);
    EXPECT_EQ(SendMessageA(subFolders, BM_GETCHECK, 0, 0), before ? BST_UNCHECKED : BST_CHECKED);
    EXPECT_NE(readFile("config.conf").find(before ? "recursive=false;" : "recursive=true;"), std::string::npos);
    SetWindowTextA(photoEdit, "C:\\elsewhere");
    if (closing == 0) SendMessageA(GetDlgItem(dialog, OpenDialog::cancelId), BM_CLICK, 0, 0);
    if (closing == 1) SendMessageA(dialog, WM_KEYUP, VK_ESCAPE, 0);
    if (closing == 2) SendMessageA(dialog, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(dialog)) << closing;
    EXPECT_EQ(show, nullptr);
    EXPECT_STREQ(settings.photoDir, "");  // the folder is stored only by run
  }
}

TEST_F(InProcess, OpenDialogRunStoresTheChoicesAndReplacesTheShowAndTheLogo) {
  logo = new LogoWheel(context.window);
  HWND dialog = openDialog();
  SendMessageA(effects, CB_SETCURSEL, 1, 0);
  SetWindowTextA(photoEdit, std::string(300, 'x').c_str());  // longer than the setting holds
  SendMessageA(GetDlgItem(dialog, OpenDialog::runId), BM_CLICK, 0, 0);
  EXPECT_FALSE(IsWindow(dialog));
  EXPECT_EQ(logo, nullptr);
  ASSERT_NE(show, nullptr);
  EXPECT_EQ(settings.effect, 1112);
  EXPECT_EQ(std::string(settings.photoDir), std::string(255, 'x'));
  EXPECT_NE(readFile("config.conf").find("effect=1112;"), std::string::npos);

  // A second run with an empty folder replaces that show by an empty one; a config.conf that
  // cannot be written is reported once, and the show starts all the same.
  show->distance = -3.0f;  // marks the first show
  ASSERT_TRUE(SetFileAttributesA("config.conf", FILE_ATTRIBUTE_READONLY));
  dialog = openDialog();
  SetWindowTextA(photoEdit, "");
  SendMessageA(GetDlgItem(dialog, OpenDialog::runId), BM_CLICK, 0, 0);
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
  HWND dialog = openDialog();
  SetWindowTextW(photoEdit, L"C:\\\u5199\u771f");
  SendMessageA(GetDlgItem(dialog, OpenDialog::runId), BM_CLICK, 0, 0);
  HWND box = FindWindowA("MsgBox Window", "Špatná cesta");
  ASSERT_NE(box, nullptr);
  char message[512] = "";
  GetWindowTextA(FindWindowExA(box, nullptr, "Static", nullptr), message, sizeof message);
  EXPECT_NE(std::string(message).find("obsahuje znaky"), std::string::npos) << message;
  EXPECT_TRUE(IsWindow(dialog));
  EXPECT_STREQ(settings.photoDir, "C:\\Previous");
  EXPECT_EQ(show, nullptr);
  DestroyWindow(box);
  DestroyWindow(dialog);
}

TEST_F(InProcess, ACancelledScanStartsNoShow) {
  // Cancels every scan it hears of, as the progress window's button does.
  struct Cancelling : LoadingReporter {
    void waitStarted(uint32_t, std::atomic<bool>* cancel) override {
      if (cancel) cancel->store(true);
    }
  } cancelling;
  folder = makePhotoFolder(3);
  std::snprintf(photoDir, sizeof photoDir, "%s", folder.c_str());
  ShowParams params;
  params.cacheLevel = 8;
  params.photoDir = photoDir;
  params.ownerWindow = context.window;
  params.reporter = &cancelling;
  show = new PhotoShow(params);
  show->draw();
  EXPECT_TRUE(show->cancelled());
  EXPECT_EQ(show->current, nullptr);
  EXPECT_EQ(show->loaded(), 0u);
}
