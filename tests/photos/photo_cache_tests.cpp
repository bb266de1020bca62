// The photo cache on real files: the fill's order and skipping, reloads that release the old
// window, the memory guard's warning, and the progress thread's life.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <GL/gl.h>

#include <atomic>
#include <cstring>
#include <string>
#include <vector>

#include "app/loading_reports.h"
#include "app/viewer_app.h"
#include "dialogs/progress_window.h"
#include "glui/gl_test_context.h"
#include "photos/photo_cache.h"
#include "dialogs/progress_thread.h"
#include "structure/settings.h"
#include "support/harness.h"

namespace {
// A 24-bit BMP of `width` x 4 pixels in one colour.
std::string bmp(int width, unsigned char shade) {
  const int pixelBytes = ((width * 3 + 3) & ~3) * 4;
  BITMAPFILEHEADER file = {};
  BITMAPINFOHEADER info = {};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof file + sizeof info;
  file.bfSize = file.bfOffBits + pixelBytes;
  info.biSize = sizeof info;
  info.biWidth = width;
  info.biHeight = 4;
  info.biPlanes = 1;
  info.biBitCount = 24;
  return std::string(reinterpret_cast<const char*>(&file), sizeof file) +
         std::string(reinterpret_cast<const char*>(&info), sizeof info) + std::string(pixelBytes, char(shade));
}

class PhotoCacheTest : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(gl.ready());
    GetCurrentDirectoryA(MAX_PATH, previousFolder);
    ASSERT_TRUE(SetCurrentDirectoryA(stagedProgramFolder().c_str()));  // texts and pictures
    settings = Settings();
    // An active main window that does not pump messages while the cache loads, as in Ovix:
    // the progress thread must never wait for it.
    mainWindow = gl.window;
    SetForegroundWindow(gl.window);
    folder = makeScratchFolder("ovix-cache");
    ASSERT_FALSE(folder.empty());
  }
  void TearDown() override {
    mainWindow = nullptr;
    SetCurrentDirectoryA(previousFolder);
    removeFolder(folder);
  }
  // Photo i is i + 3 pixels wide, so a texture tells which file it came from.
  void addPhotos(int count) {
    for (int i = 1; i <= count; ++i)
      ASSERT_TRUE(writeFile(folder + "\\p" + std::to_string(i) + ".bmp", bmp(i + 3, static_cast<unsigned char>(20 * i))));
  }
  // The cache once its scan and first fill have settled.
  std::unique_ptr<PhotoCache> open(uint32_t cacheLevel, uint32_t textureSize = 1024) {
    std::strcpy(path, folder.c_str());
    auto cache = std::make_unique<PhotoCache>(path, cacheLevel, textureSize, true, reports, false);
    cache->loaded();
    return cache;
  }
  // The photo number of each loaded texture, in load order.
  static std::vector<int> numbers(const PhotoCache& cache) {
    std::vector<int> result;
    for (const TextureImage* image : cache.photos) {
      EXPECT_EQ(std::string("p") + std::to_string(image->imageWidth - 3) + ".bmp", image->name);
      result.push_back(image->imageWidth - 3);
    }
    return result;
  }
  // The photo number of list entry k, for folders whose listing order is the system's.
  static std::vector<int> listNumbers(const PhotoCache& cache, std::initializer_list<int> entries) {
    std::vector<int> result;
    for (int entry : entries) result.push_back(std::stoi(cache.photoList->entries[static_cast<size_t>(entry)]->name.substr(1)));
    return result;
  }

  GlTestContext gl{640, 480, true};
  LoadingReports reports;
  char previousFolder[MAX_PATH] = {};
  std::string folder;
  char path[MAX_PATH] = {};
};
}  // namespace

TEST_F(PhotoCacheTest, TenPhotosLoadInListOrderAndTheReloadReleasesTheOldWindow) {
  addPhotos(10);
  auto cache = open(8);
  ASSERT_EQ(cache->photoList->size(), 10u);
  EXPECT_EQ(numbers(*cache), listNumbers(*cache, {0, 1, 2, 3, 4, 5, 6, 7}));

  cache->nextGroup();
  EXPECT_EQ(cache->advance(1), cache->photos[5]);
  cache->nextGroup();
  cache->advance(1);  // leaves the window: the next eight, round the end of the list
  EXPECT_EQ(cache->loaded(), 8u);
  EXPECT_EQ(numbers(*cache), listNumbers(*cache, {8, 9, 0, 1, 2, 3, 4, 5}));
  for (const TextureImage* image : cache->photos) EXPECT_TRUE(glIsTexture(image->texture));

  // Back past the window's start: a backward load, in reverse list order.
  EXPECT_FALSE(cache->prevGroup());
  EXPECT_EQ(cache->previewAt(0, false), cache->photos[3]);  // the group of list entries 4 .. 7
  EXPECT_EQ(cache->loaded(), 8u);
  EXPECT_EQ(numbers(*cache), listNumbers(*cache, {7, 6, 5, 4, 3, 2, 1, 0}));
}

TEST_F(PhotoCacheTest, GifsAndBrokenFilesAreSkippedAndAFolderOfThemEndsEmpty) {
  addPhotos(3);
  ASSERT_TRUE(writeFile(folder + "\\a.gif", "GIF89a"));
  ASSERT_TRUE(writeFile(folder + "\\b.jpg", "not a picture at all"));
  auto cache = open(8);
  EXPECT_EQ(cache->photoList->size(), 5u);
  std::vector<int> loaded = numbers(*cache);
  std::sort(loaded.begin(), loaded.end());
  EXPECT_EQ(loaded, (std::vector<int>{1, 2, 3}));
  // The three photos are the whole show: the group's fourth member is its first again.
  EXPECT_EQ(cache->photoAt(3), cache->photoAt(0));

  for (int i = 1; i <= 3; ++i) DeleteFileA((folder + "\\p" + std::to_string(i) + ".bmp").c_str());
  auto empty = open(8);
  EXPECT_EQ(empty->photoList->size(), 2u);
  EXPECT_EQ(empty->loaded(), 0u);
  EXPECT_EQ(empty->previewAt(2, false), nullptr);
}

TEST_F(PhotoCacheTest, AWindowThatDoesNotFitIsNotLoadedAndTheUserIsWarned) {
  addPhotos(4);
  // 64 photos of 65536² texels: 1 TiB, and 0 in 32-bit arithmetic.
  auto cache = open(64, 65536);
  EXPECT_FALSE(cache->memoryFits(65536));
  EXPECT_EQ(cache->loaded(), 0u);
  HWND warning = nullptr;
  ASSERT_TRUE(waitFor([&] {
    warning = FindWindowA("MsgBox Window", nullptr);
    return warning != nullptr;
  }));
  char title[64] = {}, message[256] = {};
  GetWindowTextA(warning, title, sizeof title);
  GetWindowTextA(FindWindowExA(warning, nullptr, "Static", nullptr), message, sizeof message);
  EXPECT_STREQ(title, "Not enough memory!");  // in the language's words
  EXPECT_EQ(std::string(message).rfind("Ovix does not have enough memory", 0), 0u) << message;
  DestroyWindow(warning);
}

TEST(ProgressThread, PublishesItsWindowTakesBarStepsAndEndsWhenTold) {
  char previousFolder[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, previousFolder);
  ASSERT_TRUE(SetCurrentDirectoryA(stagedProgramFolder().c_str()));
  HWND window = nullptr;
  {
    ProgressThread progress(8);
    ASSERT_TRUE(waitFor([&] { return progress.window() != nullptr; }));
    ProgressWindow* shown = progress.window();
    window = shown->handle;
    EXPECT_NE(GetWindowThreadProcessId(window, nullptr), GetCurrentThreadId());
    EXPECT_EQ(SendMessageA(shown->bar, PBM_GETRANGE, FALSE, 0), 8);
    for (int i = 0; i < 3; ++i) PostMessageA(shown->bar, PBM_STEPIT, 0, 0);
    EXPECT_TRUE(waitFor([&] { return SendMessageA(shown->bar, PBM_GETPOS, 0, 0) == 3; }));
    shown->setStatus("IMG_0001.JPG");
    EXPECT_EQ(shown->statusText(), "IMG_0001.JPG");
  }
  EXPECT_FALSE(IsWindow(window));
  // Ending at once, before the thread has its window or within its delay, must not hang.
  for (int i = 0; i < 5; ++i) ProgressThread quick(4);
  { ProgressThread neverShown(4, 3600000); }
  // A wait that can be cancelled gets a button that sets the flag.
  std::atomic<bool> cancel{false};
  {
    ProgressThread cancellable(4, 0, &cancel);
    ASSERT_TRUE(waitFor([&] { return cancellable.window() != nullptr; }));
    SendMessageA(cancellable.window()->cancelButton, BM_CLICK, 0, 0);
    EXPECT_TRUE(waitFor([&] { return cancel.load(); }));
  }
  SetCurrentDirectoryA(previousFolder);
}
