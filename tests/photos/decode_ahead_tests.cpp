// Decoding ahead on worker threads: the sequence handed out is the walk's, nothing is decoded
// that the fill does not need, and results not taken are dropped cleanly.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <mutex>
#include <set>
#include <thread>
#include <vector>

#include "photos/decode_ahead.h"

namespace {
ListWalk walkOver(std::ptrdiff_t entries) {
  ListWalk walk;
  walk.end = entries;
  return walk;
}

// A "picture" whose single texel holds its entry number; entries in `failing` do not decode.
struct FakeDecode {
  std::set<std::ptrdiff_t> failing;
  std::mutex lock;
  std::vector<std::ptrdiff_t> decoded;
  std::atomic<int> running{0}, mostAtOnce{0};
  bool operator()(std::ptrdiff_t entry, TexelImage& out) {
    const int now = ++running;
    for (int seen = mostAtOnce; now > seen && !mostAtOnce.compare_exchange_weak(seen, now);) {
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(2));  // long enough to overlap
    {
      std::lock_guard<std::mutex> guard(lock);
      decoded.push_back(entry);
    }
    --running;
    if (failing.count(entry)) return false;
    out.texels = static_cast<uint8_t*>(std::calloc(4, 1));  // TexelImage frees with free
    out.texels[0] = static_cast<uint8_t>(entry);
    out.textureWidth = out.textureHeight = 1;
    out.bytesPerTexel = 4;
    return true;
  }
};
}  // namespace

TEST(DecodeAhead, HandsOutTheWalksEntriesInOrderAndDecodesNothingInVain) {
  FakeDecode fake;
  {
    DecodeAhead ahead(walkOver(10), true, 10, 8, 2, 4,
                      [&](std::ptrdiff_t entry, TexelImage& out) { return fake(entry, out); });
    for (std::ptrdiff_t entry = 0; entry < 8; ++entry) {
      TexelImage texels;
      ASSERT_TRUE(ahead.take(entry, texels));
      EXPECT_EQ(texels.texels[0], entry);
    }
    EXPECT_EQ(ahead.started(), 8u);
  }
  EXPECT_EQ(fake.decoded.size(), 8u);
  EXPECT_EQ(fake.mostAtOnce, 2);
}

TEST(DecodeAhead, FailuresMakeRoomForMoreAndBackwardWalksWrap) {
  FakeDecode fake;
  fake.failing = {4, 2};
  DecodeAhead ahead(walkOver(6), false, 6, 3, 3, 8,
                    [&](std::ptrdiff_t entry, TexelImage& out) { return fake(entry, out); });
  // Backwards from the fresh cursor at entry 0: 5, 4, 3, 2, 1.
  const struct {
    std::ptrdiff_t entry;
    bool decoded;
  } expected[] = {{5, true}, {4, false}, {3, true}, {2, false}, {1, true}};
  for (const auto& e : expected) {
    TexelImage texels;
    EXPECT_EQ(ahead.take(e.entry, texels), e.decoded) << e.entry;
    EXPECT_EQ(texels.texels != nullptr, e.decoded);
  }
  EXPECT_EQ(ahead.started(), 5u);  // three pictures wanted, two failed: five tries, no more
  // An entry the walk did not promise is decoded by the caller.
  TexelImage texels;
  ASSERT_TRUE(ahead.take(3, texels));
  EXPECT_EQ(texels.texels[0], 3);
}

TEST(DecodeAhead, StoppingEarlyDropsWhatWasNotTaken) {
  FakeDecode fake;
  {
    DecodeAhead ahead(walkOver(50), true, 50, 40, 2, 6,
                      [&](std::ptrdiff_t entry, TexelImage& out) { return fake(entry, out); });
    TexelImage texels;
    ASSERT_TRUE(ahead.take(0, texels));
    // Leaving now with decodes under way and finished ones waiting: the sanitizers see that
    // every picture is freed and no worker outlives the object.
    EXPECT_LE(ahead.started(), 1u + 6u);
  }
  EXPECT_LE(fake.decoded.size(), 7u);
}

TEST(DecodeAhead, NeverRunsPastOneTryPerEntry) {
  FakeDecode fake;
  fake.failing = {0, 1, 2};
  {
    DecodeAhead ahead(walkOver(3), true, 3, 3, 2, 8,
                      [&](std::ptrdiff_t entry, TexelImage& out) { return fake(entry, out); });
    for (std::ptrdiff_t entry = 0; entry < 3; ++entry) {
      TexelImage texels;
      EXPECT_FALSE(ahead.take(entry, texels));
    }
  }
  EXPECT_EQ(fake.decoded.size(), 3u);
}
