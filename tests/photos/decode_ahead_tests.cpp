// Decoding ahead on worker threads: the sequence handed out is the walk's, nothing is decoded
// that the fill does not need, and results not taken are dropped cleanly.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <memory>
#include <mutex>
#include <set>
#include <thread>
#include <vector>

#include "photos/decode_ahead.h"

namespace {
// A "picture" whose single texel holds its entry number; entries in `failing` do not decode.
struct FakeDecode {
  std::set<std::ptrdiff_t> failing;
  std::mutex lock;
  std::vector<std::ptrdiff_t> decoded;
  std::atomic<int> running{0}, mostAtOnce{0};
  bool awaitPartner = false;
  bool operator()(std::ptrdiff_t entry, TexelImage& out) {
    const int now = ++running;
    for (int seen = mostAtOnce; now > seen && !mostAtOnce.compare_exchange_weak(seen, now);) {
    }
    // Asked to show overlap: until two decodes have run at once, each waits (two seconds at
    // most) for a partner, so one worker too few shows however the threads are scheduled.
    for (int waited = 0; awaitPartner && mostAtOnce < 2 && waited < 2000; ++waited)
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    {
      std::lock_guard<std::mutex> guard(lock);
      decoded.push_back(entry);
    }
    --running;
    if (failing.count(entry)) return false;
    out.texels = static_cast<uint8_t*>(std::calloc(4, 1));  // TexelImage frees with free
    out.texels[0] = static_cast<uint8_t>(entry);
    return true;
  }
  // The sequence over a list of `entries`, decoding through this fake.
  std::unique_ptr<DecodeAhead> ahead(std::ptrdiff_t entries, bool forward, size_t tries, size_t wanted,
                                     unsigned workers, unsigned lookAhead) {
    ListWalk walk;
    walk.end = entries;
    return std::make_unique<DecodeAhead>(walk, forward, tries, wanted, workers, lookAhead, std::ref(*this));
  }
};
}  // namespace

TEST(DecodeAhead, HandsOutTheWalksEntriesInOrderAndDecodesNothingInVain) {
  FakeDecode fake;
  fake.awaitPartner = true;
  auto ahead = fake.ahead(10, true, 10, 8, 2, 4);
  for (std::ptrdiff_t entry = 0; entry < 8; ++entry) {
    TexelImage texels;
    ASSERT_TRUE(ahead->take(entry, texels));
    EXPECT_EQ(texels.texels[0], entry);
  }
  EXPECT_EQ(ahead->started(), 8u);
  ahead.reset();
  EXPECT_EQ(fake.decoded.size(), 8u);
  EXPECT_EQ(fake.mostAtOnce, 2);

  // A worker that finishes a decode looks for the next under the same lock, so what it started
  // shows once the result is there: nothing past the look-ahead, nothing past the tries.
  FakeDecode few;
  ahead = few.ahead(10, true, 10, 10, 1, 1);
  ASSERT_TRUE(ahead->waitReady(60000));
  EXPECT_EQ(ahead->started(), 1u);
  ahead = few.ahead(10, true, 2, 3, 1, 8);
  TexelImage texels;
  for (std::ptrdiff_t entry : {0, 1}) ASSERT_TRUE(ahead->take(entry, texels));
  EXPECT_EQ(ahead->started(), 2u);
}

TEST(DecodeAhead, FailuresMakeRoomForMoreAndBackwardWalksWrap) {
  FakeDecode fake;
  fake.failing = {4, 2};
  auto ahead = fake.ahead(6, false, 6, 3, 3, 8);
  // Backwards from the fresh cursor at entry 0: 5, 4, 3, 2, 1.
  for (std::ptrdiff_t entry = 5; entry >= 1; --entry) {
    TexelImage texels;
    EXPECT_EQ(ahead->take(entry, texels), !fake.failing.count(entry)) << entry;
    EXPECT_EQ(texels.texels != nullptr, !fake.failing.count(entry)) << entry;
  }
  EXPECT_EQ(ahead->started(), 5u);  // three pictures wanted, two failed: five tries, no more
  // An entry the walk did not promise is decoded by the caller.
  TexelImage texels;
  ASSERT_TRUE(ahead->take(3, texels));
  EXPECT_EQ(texels.texels[0], 3);
}

TEST(DecodeAhead, StoppingEarlyDropsWhatWasNotTakenAndNothingIsTriedTwice) {
  FakeDecode fake;
  auto ahead = fake.ahead(50, true, 50, 40, 2, 6);
  TexelImage texels;
  ASSERT_TRUE(ahead->take(0, texels));
  // Leaving now with decodes under way and finished ones waiting: the sanitizers see that
  // every picture is freed and no worker outlives the object.
  ahead.reset();
  EXPECT_LE(fake.decoded.size(), 1u + 6u);

  FakeDecode failing;
  failing.failing = {0, 1, 2};
  ahead = failing.ahead(3, true, 3, 3, 2, 8);
  for (std::ptrdiff_t entry = 0; entry < 3; ++entry) EXPECT_FALSE(ahead->take(entry, texels));
  ahead.reset();
  EXPECT_EQ(failing.decoded.size(), 3u);
}
