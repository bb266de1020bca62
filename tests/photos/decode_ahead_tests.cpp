// Decoding ahead on worker threads: the sequence handed out is the walk's, nothing is decoded
// that the fill does not need, and results not taken are dropped cleanly.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "fake_photos.h"
#include "photos/decode_ahead.h"

namespace {
// The sequence over a list of `entries`, decoding through `decode`.
std::unique_ptr<DecodeAhead> decodeAhead(GatedDecode& decode, std::size_t entries, Direction direction, size_t tries,
                                         size_t wanted, unsigned workers, unsigned lookAhead) {
  return std::make_unique<DecodeAhead>(ListWalk::over(entries, direction), tries, wanted, workers, lookAhead,
                                       std::ref(decode));
}
}  // namespace

TEST(DecodeAhead, HandsOutTheWalksEntriesInOrderAndDecodesNothingInVain) {
  GatedDecode fake;
  auto ahead = decodeAhead(fake, 10, Direction::forward, 10, 8, 2, 4);
  // Once the first picture is there, both workers decode at once: 1 and 2 wait at their gates.
  fake.release({0});
  fake.waitFor(1);
  fake.waitFor(3, true);
  fake.release({}, true);
  TexelImage texels;
  for (std::ptrdiff_t entry = 0; entry < 8; ++entry)
    ASSERT_TRUE(ahead->take(entry, texels) && texels.texels[0] == entry) << entry;
  EXPECT_EQ(ahead->started(), 8u);
  ahead.reset();
  EXPECT_EQ(fake.decoded.size(), 8u);

  // A worker that finishes a decode looks for the next under the same lock, so what it started
  // shows once the result is there: nothing past the look-ahead, nothing past the tries. No
  // workers asked for still gives one.
  ahead = decodeAhead(fake, 10, Direction::forward, 10, 10, 0, 1);
  ASSERT_TRUE(ahead->waitReady(60000));
  EXPECT_EQ(ahead->started(), 1u);
  ahead = decodeAhead(fake, 10, Direction::forward, 2, 3, 1, 8);
  for (std::ptrdiff_t entry : {0, 1}) ASSERT_TRUE(ahead->take(entry, texels));
  EXPECT_EQ(ahead->started(), 2u);
}

TEST(DecodeAhead, FailuresMakeRoomForMoreBackwardWalksWrapAndWhatIsNotTakenIsDropped) {
  GatedDecode fake;
  fake.allOpen = true;
  fake.failing = {4, 2};
  auto ahead = decodeAhead(fake, 6, Direction::backward, 6, 3, 3, 8);
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

  // Leaving with decodes under way and finished ones waiting: the sanitizers see that every
  // picture is freed and no worker outlives the object. (Backwards from 49, far from the
  // failing entries, which would not count against the look-ahead.)
  const size_t before = fake.decoded.size();
  ahead = decodeAhead(fake, 50, Direction::backward, 50, 40, 2, 6);
  ASSERT_TRUE(ahead->take(49, texels));
  ahead.reset();
  EXPECT_LE(fake.decoded.size() - before, 1u + 6u);
}
