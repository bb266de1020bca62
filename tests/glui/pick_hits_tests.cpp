// Choosing the nearest hit from a selection buffer.
#include <gtest/gtest.h>

#include <vector>

#include "glui/pick_hits.h"

TEST(NearestHit, PicksTheSmallestMinimumDepthAndTheEarlierRecordOnTies) {
  const struct { const char* what; std::vector<uint32_t> buffer; int32_t hits; int64_t name; } cases[] = {
      {"overflow", {1, 5, 5, 7}, -1, -1}, {"nearer second", {1, 100, 200, 7, 1, 50, 60, 8}, 2, 8},
      {"tie keeps the first", {1, 100, 200, 7, 1, 100, 100, 8}, 2, 7},
      {"depths compare unsigned", {1, 0x80000000u, 0xFFFFFFFFu, 3, 1, 0x7FFFFFFFu, 0x7FFFFFFFu, 4}, 2, 4},
      {"name zero is a hit", {1, 10, 10, 0, 1, 20, 20, 5}, 2, 0},
      {"deeper name stack: last name", {2, 30, 40, 1, 9, 1, 35, 35, 6}, 2, 9},
      {"empty name stack passed over", {0, 5, 5, 1, 10, 10, 4}, 2, 4},
      {"nameless record at the end", {1, 10, 10, 4, 0, 5, 5}, 2, 4}, {"record cut off", {1, 10, 10, 2, 1, 5}, 2, -1},
  };
  for (const auto& c : cases)
    EXPECT_EQ(nearestHit(c.buffer.data(), static_cast<int32_t>(c.buffer.size()), c.hits), c.name) << c.what;
}
