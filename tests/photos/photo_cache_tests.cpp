// The photo cache's warning when its window does not fit the memory, the photos of a folder of
// many formats, and the progress thread that keeps a window alive while loading.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <atomic>
#include <map>
#include <string>

#include "app/loading_reports.h"
#include "dialogs/progress_thread.h"
#include "dialogs/progress_window.h"
#include "glui/gl_test_context.h"
#include "photos/photo_cache.h"
#include "structure/settings.h"
#include "support/harness.h"

TEST(PhotoCache, AWindowThatDoesNotFitWarnsTheUser) {
  char previousFolder[MAX_PATH] = {}, path[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, previousFolder);
  stagedProgramFolder().copy(path, MAX_PATH - 1);
  ASSERT_TRUE(SetCurrentDirectoryA(path));  // the folder opened, and the language file's words
  GlTestContext gl;
  ASSERT_TRUE(gl.ready());
  LoadingReports reports;
  // 64 photos of 65536² texels: 1 TiB, and 0 in 32-bit arithmetic.
  PhotoCache cache(path, 64, 65536, true, reports, false);
  cache.waitOpened();
  HWND warning = nullptr;
  ASSERT_TRUE(waitFor([&] { return (warning = FindWindowA("MsgBox Window", nullptr)) != nullptr; }));
  char title[64] = {};
  GetWindowTextA(warning, title, sizeof title);
  EXPECT_STREQ(title, "Not enough memory!");
  DestroyWindow(warning);
  SetCurrentDirectoryA(previousFolder);
}

// The window is built on the progress thread, which must not read the settings: it shows the
// transparency the settings gave when the wait began, not what they say later.
TEST(ProgressThread, PublishesItsWindowCountsStepsCancelsAndEndsWhenTold) {
  settings.opacity = 30;
  HWND window = nullptr;
  std::atomic<bool> cancel{false};
  {
    ProgressThread progress(8, 100, &cancel);
    settings.opacity = 0;  // before the window exists
    ASSERT_TRUE(waitFor([&] { return progress.window() != nullptr; }));
    ProgressWindow* shown = progress.window();
    window = shown->handle;
    EXPECT_NE(GetWindowThreadProcessId(window, nullptr), GetCurrentThreadId());
    BYTE alpha = 0;
    EXPECT_TRUE(GetLayeredWindowAttributes(window, nullptr, &alpha, nullptr) && alpha == 178) << int(alpha);
    EXPECT_EQ(SendMessageA(shown->bar, PBM_GETRANGE, FALSE, 0), 8);
    for (int i = 0; i < 3; ++i) PostMessageA(shown->bar, PBM_STEPIT, 0, 0);
    EXPECT_TRUE(waitFor([&] { return SendMessageA(shown->bar, PBM_GETPOS, 0, 0) == 3; }));
    SendMessageA(shown->cancelButton, BM_CLICK, 0, 0);
    EXPECT_TRUE(waitFor([&] { return cancel.load(); }));
  }
  EXPECT_FALSE(IsWindow(window));
  // Ended at once, before the thread has its window or within its delay: no window is left
  // behind on the screen.
  for (int i = 0; i < 5; ++i) ProgressThread quick(4);
  { ProgressThread neverShown(4, 3600000); }
  EXPECT_FALSE(FindWindowA("Progress class", nullptr));
}

// A folder as phones, browsers and scanners fill it: JPEG and TIFF under every name, a file
// named only by its extension, and a BMP as ".dib", which only the installed decoders' list
// names. Every photo is listed with its kind and shown (the two-page TIFF at its first page's
// size); a WebP (no decoder under Wine) is not listed.
TEST(PhotoCache, JpegAndTiffUnderEveryNameAndTheDecodersOwnExtensionsAreListedAndShown) {
  GlTestContext gl;
  ASSERT_TRUE(gl.ready());
  const std::string folder = makeScratchFolder("ovix-formats");
  const std::pair<const char*, const char*> copies[] = {
      {"baseline.jpg", "a.jpeg"}, {"baseline.jpg", "b.JPEG"}, {"baseline.jpg", "c.jfif"}, {"baseline.jpg", ".jpe"},
      {"rgb.tif", "d.tif"},       {"pages.tif", "e.TIFF"},    {"bgr24.bmp", "f.dib"},     {"photo.webp", "g.webp"}};
  for (const auto& [picture, name] : copies)
    ASSERT_TRUE(CopyFileA((std::string("Z:" OVIX_TEST_PICTURES "/") + picture).c_str(), (folder + "\\" + name).c_str(),
                          FALSE));
  LoadingReporter quiet;
  PhotoCache cache(folder, 8, 256, false, quiet, false);
  ASSERT_EQ(cache.loaded(), 7u);
  std::map<std::string, PhotoKind> listed;
  for (const auto& entry : cache.photoList->entries) listed[entry->name] = entry->kind;
  EXPECT_EQ(listed, (std::map<std::string, PhotoKind>{{".jpe", kindJpg}, {"a.jpeg", kindJpg},
      {"b.JPEG", kindJpg}, {"c.jfif", kindJpg}, {"d.tif", kindOther}, {"e.TIFF", kindOther}, {"f.dib", kindOther}}));
  for (const TextureImage* photo : cache.photos)
    EXPECT_TRUE(photo && photo->imageWidth == 40 && photo->imageHeight == 30) << (photo ? photo->name : "none");
  removeFolder(folder);
}
