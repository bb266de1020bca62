// The photo show inside this process, in a GL window: which photo the show's moves land on,
// read from the show's own state. The first and last photo commands reload the cache's window,
// so they are checked for folders that fit the window and folders that do not.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <memory>

#include "app/viewer_app.h"
#include "glui/gl_test_context.h"
#include "photos/photo_cache.h"
#include "photos/photo_show.h"
#include "photos/texture_image.h"
#include "show_driver.h"

namespace {
// The number in the name "photoNN.bmp" of the show's large photo; 0 for none.
int currentNumber(const PhotoShow& show) {
  int number = 0;
  if (!show.current || !show.current->name || std::sscanf(show.current->name, "photo%d", &number) != 1) return 0;
  return number;
}

class ShowState : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(context.ready());
    mainWindow = context.window;
  }
  void TearDown() override {
    show.reset();
    mainWindow = nullptr;
    if (!folder.empty()) removeFolder(folder);
  }

  // A show of `folder` with cache level `cacheLevel` that never steps by itself.
  void open(const std::string& photos, uint32_t cacheLevel) {
    folder = photos;
    std::snprintf(photoDir, sizeof photoDir, "%s", folder.c_str());
    ShowParams params;
    params.cacheLevel = cacheLevel;
    params.textureSize = 256;
    params.flipTime = 1000000;
    params.effectId = 1111;
    params.photoDir = photoDir;
    params.ownerWindow = context.window;
    show = std::make_unique<PhotoShow>(params);
  }

  // One slideshow step, as the clock running out makes it, and the frame after it.
  void step() {
    show->tickCount = 0;
    show->draw();
    show->draw();
  }

  GlTestContext context;
  std::string folder;
  char photoDir[256] = {};
  std::unique_ptr<PhotoShow> show;
};
}  // namespace

TEST_F(ShowState, FirstAndLastPhotoInFoldersSmallerAndLargerThanTheWindow) {
  for (int count : {3, 8, 10, 13}) {
    SCOPED_TRACE(count);
    open(makePhotoFolder(count), 8);
    ASSERT_EQ(show->loaded(), std::min(count, 8));
    EXPECT_EQ(currentNumber(*show), 1);

    show->angle = 90.0f;
    show->lastPhoto();
    show->draw();
    EXPECT_EQ(currentNumber(*show), count);
    EXPECT_EQ(show->angle, 0.0f);  // a photo change
    EXPECT_EQ(show->tickCount, 1u);
    step();  // after the last photo the folder starts over
    EXPECT_EQ(currentNumber(*show), 1);

    show->nextGroup();
    show->draw();
    show->firstPhoto();
    show->draw();
    EXPECT_EQ(currentNumber(*show), 1);
    EXPECT_EQ(show->groupIndex, 0u);
    // As at a fresh open: the slideshow runs 1, 2, 3, 4 and then the next group on 5.
    if (count >= 5) {
      for (int expected = 2; expected <= 5; ++expected) {
        step();
        EXPECT_EQ(currentNumber(*show), expected);
      }
    }
    show.reset();
    removeFolder(folder);
    folder.clear();
  }
}

TEST_F(ShowState, ThreePhotosStepToTheFirstAsTheFourthAndStay) {
  open(makePhotoFolder(3), 8);
  const int expected[] = {2, 3, 1, 1, 1};
  for (int number : expected) {
    step();
    EXPECT_EQ(currentNumber(*show), number);
  }
}

TEST_F(ShowState, AThumbnailBeyondTheLoadedPhotosKeepsThePhotoAndRestartsTheClock) {
  open(makePhotoFolder(2), 8);
  step();
  ASSERT_EQ(currentNumber(*show), 2);
  show->tickCount = 77;
  show->angle = -90.0f;
  show->selectThumbnail(2);
  show->draw();
  EXPECT_EQ(currentNumber(*show), 2);
  EXPECT_EQ(show->groupIndex, 2u);
  EXPECT_EQ(show->tickCount, 1u);
  EXPECT_EQ(show->angle, 0.0f);
}

TEST_F(ShowState, AnEmptyFolderGivesAnEmptyShowThatTakesEveryCommand) {
  open(makeScratchFolder("ovix-empty"), 8);
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
