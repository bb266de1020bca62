#include "glui/pick_hits.h"

int64_t nearestHit(const uint32_t* buffer, int32_t words, int32_t hits) {
  int64_t best = -1;
  uint32_t bestDepth = 0;
  int64_t at = 0;
  for (int32_t record = 0; record < hits; ++record) {
    if (at + 3 > words) return -1;
    const uint32_t names = buffer[at];
    const uint32_t minimumDepth = buffer[at + 1];
    if (at + 3 + static_cast<int64_t>(names) > words) return -1;
    if (names == 0) {  // drawn with an empty name stack: nothing to name
      at += 3;
      continue;
    }
    const uint32_t name = buffer[at + 3 + names - 1];
    if (best < 0 || minimumDepth < bestDepth) {
      best = name;
      bestDepth = minimumDepth;
    }
    at += 3 + names;
  }
  return best;
}
