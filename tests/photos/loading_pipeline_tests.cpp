// Loading without stalls: the photo window over the decode pipeline, with a decoder whose
// pictures arrive only when the test lets them. A test that waited for a decode it should not
// need would hang here, not pass.
#include <gtest/gtest.h>

#include <chrono>
#include <functional>

#include "fake_photos.h"
#include "photos/decode_pipeline.h"
#include "photos/photo_scan.h"
#include "photos/photo_window.h"

namespace {
using Entries = std::vector<std::ptrdiff_t>;

// Repeats `step` until `done` holds, as the frames do; a failure after a minute.
testing::AssertionResult repeatUntil(const std::function<bool()>& done, const std::function<void()>& step) {
  for (const auto end = std::chrono::steady_clock::now() + std::chrono::minutes(1); !done(); step())
    if (std::chrono::steady_clock::now() > end) return testing::AssertionFailure() << "a minute without the condition";
  return testing::AssertionSuccess();
}

// The cache's loading without GL, set up as the show sets it up: the photo window over the
// decode pipeline, the show itself as the loader. Storage holds the entry each picture was
// decoded from.
struct Show : PhotoLoader {
  explicit Show(int count, std::set<std::ptrdiff_t> failing = {})
      : pipeline(std::ref(gate), (scanPhotos(list, count), list.size()), 8, 2), window(list, *this, 8) {
    gate.failing = std::move(failing);
  }
  ~Show() override { gate.release({}, true); }  // the dropped decoders finish, and the pipeline waits for them
  void fillStarted(const ListWalk& walk) override { pipeline.fillStarted(walk); }
  bool ready() override { return pipeline.ready(); }
  bool loadEntry(std::ptrdiff_t entry) override {
    TexelImage texels;
    if (!pipeline.take(entry, texels)) return false;
    storage.push_back(texels.texels[0]);
    return true;
  }
  void fillEnded() override { pipeline.fillEnded(); }
  void prefetch(const ListWalk& walk) override { pipeline.prefetch(walk); }
  void releasePhotos() override { storage.clear(); }
  std::ptrdiff_t entryAt(std::ptrdiff_t index) const { return index < 0 ? -1 : storage.at(static_cast<std::size_t>(index)); }

  GatedDecode gate;
  PhotoList list;
  DecodePipeline pipeline;
  Entries storage;
  PhotoWindow window;
};
}  // namespace

TEST(LoadingPipeline, TheFirstPhotoComesFirstAndTheNextWindowIsDecodedAhead) {
  Show show(20, {10});
  EXPECT_TRUE(show.pipeline.waitReady(60000));  // before any fill there is nothing to wait for
  show.gate.release({0});
  show.window.jumpTo(0);  // the show's first fill
  EXPECT_EQ(show.entryAt(show.window.photoAt(0)), 0);
  EXPECT_TRUE(show.window.filling());
  EXPECT_EQ(show.window.thumbnailAt(1), -1);  // its thumbnail shows blank until photo 1 arrives

  // The rest arrives frame by frame, one try per frame at most, as the decodes finish.
  show.gate.release({1, 2});
  show.gate.waitFor(3);
  ASSERT_TRUE(repeatUntil([&] { return show.window.loadedAtLeast(0) >= 3; }, [&] { show.window.settleReady(true); }));
  EXPECT_EQ(show.storage, (Entries{0, 1, 2}));
  show.pipeline.prefetchEarly();
  EXPECT_FALSE(show.pipeline.prefetching());  // the window's own decodes come first
  show.gate.release({3, 4, 5, 6, 7});
  ASSERT_TRUE(repeatUntil([&] { return show.window.loadedAtLeast(0) >= 4; }, [&] { show.window.settleReady(true); }));
  // Once the window's eight are decoded the next window starts, while its uploads still come;
  // asked again, the prefetch under way (hanging at entry 8's gate) is kept, not waited for.
  ASSERT_TRUE(repeatUntil([&] { return show.pipeline.prefetching(); }, [&] { show.pipeline.prefetchEarly(); }));
  show.gate.waitFor(8 + 1, true);
  show.pipeline.prefetchEarly();
  show.gate.release({}, true);
  EXPECT_TRUE(show.window.filling());
  EXPECT_EQ(show.window.loaded(), 8u);
  EXPECT_EQ(show.storage, (Entries{0, 1, 2, 3, 4, 5, 6, 7}));
  // The next window is 8..16 without the unreadable 10: nine decodes ahead, each decoded once.
  show.gate.waitFor(8 + 9);
  const Entries before = show.gate.decoded;
  EXPECT_EQ(std::set<std::ptrdiff_t>(before.begin(), before.end()).size(), 17u);
  show.window.step(Direction::forward);
  show.window.step(Direction::forward);  // past the window's edge: the film strip reloads
  show.window.thumbnailAt(0);
  EXPECT_EQ(show.entryAt(show.window.photoAt(0)), 8);
  EXPECT_EQ(show.window.loaded(), 8u);
  EXPECT_EQ(show.storage, (Entries{8, 9, 11, 12, 13, 14, 15, 16}));
  show.gate.waitFor(before.size() + 1);
  // The refill took the pictures decoded ahead: none of them was decoded again, and decoding
  // goes on with the window after it.
  EXPECT_EQ(show.gate.decoded[before.size()], 17);
}

TEST(LoadingPipeline, AJumpDropsThePrefetchWithoutWaitingAndLandsOnTheRightPhoto) {
  Show show(40);
  show.gate.release({0, 1, 2, 3, 4, 5, 6, 7});
  show.window.jumpTo(0);  // the show's first fill
  EXPECT_EQ(show.window.loaded(), 8u);
  ASSERT_TRUE(show.pipeline.prefetching());
  show.gate.release({8});
  show.gate.waitFor(8 + 2, true);  // the prefetch decodes on past 8; its decode of 9 hangs at its gate

  // Jump to the last photo, 39, as End does: the window is reloaded from entry 36.
  show.gate.release({36, 37, 38, 39});
  EXPECT_EQ(show.window.jumpTo(39), 3u);
  EXPECT_EQ(show.entryAt(show.window.photoAt(3)), 39);
  EXPECT_GE(show.pipeline.dropped(), 1u);  // still decoding 9, and not waited for
  show.pipeline.reap();
  EXPECT_GE(show.pipeline.dropped(), 1u);
}

TEST(PhotoScan, HandsOverTheFinishedListAndACancelEndsTheScan) {
  PhotoScan scan([](PhotoList& list, const std::atomic<bool>&) { scanPhotos(list, 2); });
  EXPECT_EQ(scan.take()->size(), 2u);
  EXPECT_TRUE(scan.finished());
  EXPECT_EQ(scan.take()->size(), 0u);

  // A scan that only ends when cancelled: take() returns once the cancel has reached it.
  PhotoScan endless([](PhotoList& found, const std::atomic<bool>& cancel) {
    while (!cancel.load()) found.append("C:\\photos", "x.jpg", kindJpg);
  });
  EXPECT_FALSE(endless.finished());
  endless.cancel();
  EXPECT_EQ(endless.take()->size(), 0u);  // what a cancelled scan found is not shown
}
