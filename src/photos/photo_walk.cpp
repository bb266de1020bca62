#include "photos/photo_walk.h"

ListWalk ListWalk::over(std::size_t entries, Direction direction) {
  ListWalk walk;
  walk.end = static_cast<std::ptrdiff_t>(entries);
  walk.direction = direction;
  return walk;
}

std::ptrdiff_t ListWalk::next() {
  if (end <= 0) return -1;
  if (direction == Direction::forward) {
    // From the last entry, or from a cursor left outside the list, the walk starts over at the
    // first entry.
    if (cursor < 0 || cursor + 1 >= end)
      cursor = 0;
    else if (!fresh)
      ++cursor;
  } else {
    if (cursor - 1 < 0 || cursor > end) cursor = end;
    --cursor;
  }
  fresh = false;
  return cursor;
}

void ListWalk::placeOn(std::ptrdiff_t entry) {
  cursor = entry;
  fresh = false;
}
