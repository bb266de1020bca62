#include "photos/photo_walk.h"

#include "sources/photo_list.h"

ListWalk ListWalk::of(const PhotoList& list) {
  ListWalk walk;
  walk.cursor = list.cursor;
  walk.begin = list.listBegin;
  walk.end = list.listEnd;
  walk.fresh = list.fresh;
  walk.lastStepForward = list.lastStepForward;
  return walk;
}

void ListWalk::storeTo(PhotoList& list) const {
  list.cursor = cursor;
  list.fresh = fresh;
  list.lastStepForward = lastStepForward;
}

std::ptrdiff_t ListWalk::next(bool forward) {
  if (end <= begin) return -1;
  lastStepForward = forward;
  if (forward) {
    // From the last entry, or from a cursor left outside the list, the walk starts over at the
    // first entry.
    if (cursor < begin || cursor + 1 >= end)
      cursor = begin;
    else if (!fresh)
      ++cursor;
  } else {
    if (cursor - 1 < begin || cursor > end) cursor = end;
    --cursor;
  }
  fresh = false;
  return cursor;
}

void ListWalk::placeOn(std::ptrdiff_t entry) {
  cursor = entry;
  fresh = false;
}
