// The photo window's bookkeeping against a fake loader: which entries are tried and kept, in
// which order, and which list entry each group member is as the show walks the folder.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

#include "fake_photos.h"
#include "photos/photo_memory.h"
#include "photos/photo_window.h"

namespace {
using Entries = std::vector<std::ptrdiff_t>;

// A folder and its photo window, opened on list entry `start` as the show's cache opens it,
// with itself as the loader: it loads every entry except the failing ones, and its storage holds
// the entry numbers. The moves are the show's own: step and jumpTo, and the film strip's
// thumbnails once a frame. A lazy folder is not opened and has nothing ready ahead, so fills
// settle only as far as lookups need them.
struct Folder : PhotoLoader {
  Folder(int count, uint32_t cacheLevel, std::set<std::ptrdiff_t> failing = {}, std::ptrdiff_t start = 0,
         bool lazy = false)
      : failing(std::move(failing)), lazy(lazy), window((scanPhotos(list, count), list), *this, cacheLevel) {
    if (!lazy) window.jumpTo(start);
  }
  bool ready() override { return !lazy; }
  bool loadEntry(std::ptrdiff_t entry) override {
    tried.push_back(entry);
    if (failing.count(entry)) return false;
    storage.push_back(entry);
    return true;
  }
  void fillStarted(const ListWalk&) override { ++fills; }
  void releasePhotos() override { storage.clear(); }
  void prefetch(const ListWalk& walk) override { prefetchedFirst = ListWalk(walk).next(); }

  // The list entry of a storage index as the show would read it; a negative index (no photo) as it is.
  std::ptrdiff_t entryOf(std::ptrdiff_t index) const { return index < 0 ? index : storage.at(static_cast<size_t>(index)); }
  // The current group, or the group as the previous-photo key reads it, backwards.
  Entries group(bool backwards = false) {
    Entries members;
    for (uint32_t k = 0; k < 4; ++k)
      members.push_back(entryOf(backwards ? window.previewAt(k, Direction::backward) : window.photoAt(k)));
    return members;
  }
  // A move of the show, then the frame's film strip. Returns the fills so far.
  int step(Direction direction) {
    window.step(direction);
    thumbnails();
    return fills;
  }
  Entries thumbnails() {
    Entries shown;
    for (uint32_t k = 0; k < 4; ++k) shown.push_back(entryOf(window.thumbnailAt(k)));
    return shown;
  }

  std::set<std::ptrdiff_t> failing;
  bool lazy;
  std::vector<std::ptrdiff_t> tried, storage;
  int fills = 0;
  std::ptrdiff_t prefetchedFirst = -2;  // the first entry of the window prepared ahead; -2: none
  PhotoList list;
  PhotoWindow window;
};

Entries range(std::ptrdiff_t from, std::ptrdiff_t to) {
  Entries entries(static_cast<size_t>(to - from));
  std::iota(entries.begin(), entries.end(), from);
  return entries;
}
}  // namespace

// Cache levels between groups hold whole groups; failed entries use up no slot; a list with
// nothing loadable is tried once per entry and leaves every lookup empty.
TEST(PhotoWindow, LevelsFailuresAndNothingLoadable) {
  const Entries none{-1, -1, -1, -1};
  const struct { int count, level, tries; std::set<std::ptrdiff_t> failing; Entries storage, group, next; } cases[] = {
      {20, 5, 8, {}, range(0, 8), {0, 1, 2, 3}, {4, 5, 6, 7}},
      {20, 0, 4, {}, range(0, 4), {0, 1, 2, 3}, {4, 5, 6, 7}},
      {10, 8, 10, {2, 5}, {0, 1, 3, 4, 6, 7, 8, 9}, {0, 1, 3, 4}, {6, 7, 8, 9}},
      {6, 4, 6, {1, 2, 4}, {0, 3, 5}, {0, 3, 5, 0}, {0, 3, 5, 0}},  // never reloaded
      {5, 8, 5, {1, 4}, {0, 2, 3}, {0, 2, 3, 0}, {0, 2, 3, 0}},
      {0, 8, 0, {}, {}, none, none}, {5, 8, 5, {0, 1, 2, 3, 4}, {}, none, none},
      {12, 8, 12, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}, {}, none, none},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("photos " + std::to_string(c.count) + ", cache level " + std::to_string(c.level));
    Folder folder(c.count, c.level, c.failing);
    EXPECT_EQ(folder.storage, c.storage);
    EXPECT_EQ(folder.tried, range(0, c.tries));
    if (c.storage.empty()) {
      EXPECT_EQ(folder.prefetchedFirst, -2);  // nothing to prepare ahead either
    }
    EXPECT_EQ(folder.group(), c.group);
    EXPECT_EQ(folder.step(Direction::forward), c.count == 0 ? 0 : c.level == 0 ? 2 : 1);
    EXPECT_EQ(folder.group(), c.next);
    folder.step(Direction::backward);
    EXPECT_EQ(folder.group(true), c.group);
  }
}

// Every folder size with the usual cache levels, opened on no particular photo (the first) and
// on the last: three cycles forwards, twice as far backwards and forwards again, each group and
// its film strip checked against the walk's own arithmetic.
TEST(PhotoWindow, SweepForwardsAndBackwards) {
  for (uint32_t cacheLevel : {4u, 8u, 12u}) {
    for (int n = 1; n <= 20; ++n) {
      for (const std::ptrdiff_t opening : {std::ptrdiff_t{-1}, std::ptrdiff_t{n - 1}}) {
        SCOPED_TRACE(testing::Message() << n << " photos, cache level " << cacheLevel << ", opened on " << opening);
        Folder folder(n, cacheLevel, {}, opening);
        const bool whole = static_cast<uint32_t>(n) < cacheLevel;
        // Without a wrap mark, group g holds entries 4g .. 4g + 3 of the endless list; with one,
        // the group starts at `start` and runs on from the list's start.
        long g = opening < 0 ? 0 : static_cast<long>(opening / 4);
        std::ptrdiff_t start = 4 * g;
        auto expectGroup = [&](int step) {
          Entries expected;
          for (long k = 0; k < 4; ++k) expected.push_back(whole ? (start + k) % n : (((4 * g + k) % n) + n) % n);
          // The frame's film strip loads the group; no thumbnail beyond the photos.
          Entries strip = expected;
          for (int k = n; k < 4; ++k) strip[static_cast<size_t>(k)] = -1;
          ASSERT_EQ(folder.thumbnails(), strip) << "step " << step;
          ASSERT_EQ(folder.group(), expected) << "step " << step;
          // Reading backwards (the previous-photo key) stays inside a list shorter than a group.
          if (n < 4) {
            ASSERT_EQ(folder.group(true), expected) << "step " << step;
          }
        };
        expectGroup(0);
        const int steps = 3 * ((n + 3) / 4) + 1;
        int step = 0;
        for (int direction : {1, -1, -1, 1})
          for (int i = 0; i < steps; ++i) {
            folder.window.step(direction > 0 ? Direction::forward : Direction::backward);
            if (direction > 0)
              start = n < 4 || start + 4 >= n ? 0 : start + 4;
            else
              start = n < 4 ? 0 : start == 0 ? std::max(0, n - 4) : std::max<std::ptrdiff_t>(0, start - 4);
            if (n >= 4) g += direction;
            expectGroup(++step);
          }
        // A list that fits is loaded once and never reloaded (nor prepared ahead); a longer one,
        // even one just filling the window, keeps a full window.
        EXPECT_EQ(folder.fills == 1 && folder.tried == range(0, n), whole);
        EXPECT_EQ(folder.prefetchedFirst == -2, whole);
        EXPECT_EQ(folder.storage.size(), whole ? static_cast<size_t>(n) : folder.window.capacity());
      }
    }
  }
}

// Jumps (the first and last photo; the first jump opens the folder, as a start on photo N
// does) land on the entry's group counted in fours from the list's start, and load a window
// only when the window does not start there. With the whole list loaded nothing is reloaded: a
// failed entry gives the next photo, or the last. A list with nothing loadable is not tried
// again. Fills settle lazily, as far as each lookup needs.
TEST(PhotoWindow, JumpsLandOnTheEntrysGroupAndReloadOnlyWhenNeeded) {
  // Jumps: the entry, its member, the first photo of its group.
  const struct { int count, fills; std::set<std::ptrdiff_t> failing; std::vector<Entries> jumps; } cases[] = {
      {10, 3, {}, {{0, 0, 0}, {9, 1, 8}, {9, 1, 8}, {0, 0, 0}}},
      {20, 3, {}, {{13, 1, 12}, {13, 1, 12}, {19, 3, 16}, {999, 3, 16}, {-5, 0, 0}}},
      {8, 2, {}, {{2, 2, 0}, {7, 3, 4}}},
      {6, 1, {2}, {{5, 0, 5}, {2, 2, 0}, {999, 0, 5}, {0, 0, 0}}},
      {7, 1, {6}, {{4, 0, 4}, {6, 1, 4}, {3, 3, 0}}},
      {9, 1, {0, 1, 2, 3, 4, 5, 6, 7, 8}, {{5, 1, -1}, {8, 0, -1}}},
      {5, 1, {0, 1, 2, 3, 4}, {{3, 0, -1}, {4, 0, -1}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("photos " + std::to_string(c.count));
    Folder folder(c.count, 8, c.failing, 0, true);
    for (const Entries& jump : c.jumps) {
      EXPECT_EQ(folder.window.jumpTo(jump[0]), static_cast<uint32_t>(jump[1])) << jump[0];
      EXPECT_EQ(folder.thumbnails()[0], jump[2]) << jump[0];
    }
    EXPECT_EQ(folder.fills, c.fills);
  }
}

TEST(PhotoMemory, TheWindowsBytesAreCountedIn64BitsAndNeverWrap) {
  // The running show holds twice the window, also held at the largest value.
  const struct { uint32_t capacity, textureSize; uint64_t window, show; } cases[] = {
      {8, 1024, 32ull << 20, 64ull << 20},
      {64, 4096, 4ull << 30, 8ull << 30},  // 0 in 32-bit arithmetic
      {0, 1024, 0, 0}, {1, 1400000000u, 7840000000000000000ull, 15680000000000000000ull},
      {1, 2000000000u, 16000000000000000000ull, UINT64_MAX},  // one photo just below the largest value
      {0xFFFFFFFFu, 0xFFFFFFFFu, UINT64_MAX, UINT64_MAX}, {2, 0x80000000u, UINT64_MAX, UINT64_MAX},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(photoWindowBytes(c.capacity, c.textureSize), c.window) << c.capacity << " x " << c.textureSize;
    EXPECT_EQ(showBytes(c.capacity, c.textureSize), c.show) << c.capacity << " x " << c.textureSize;
  }
  EXPECT_TRUE(photoWindowFits(32ull << 20, (32ull << 20) + 1));
  EXPECT_FALSE(photoWindowFits(32ull << 20, 32ull << 20));
}
