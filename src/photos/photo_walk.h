#pragma once
// Walking a PhotoList one entry at a time, forwards or backwards, wrapping at its ends.
//
// The walk's state lives in the list (its cursor and flags). ListWalk is a copy of that state,
// so a loader can predict the entries a fill is going to try without disturbing the list.
#include <cstddef>

class PhotoList;

struct ListWalk {
  std::ptrdiff_t cursor = 0;
  std::ptrdiff_t begin = 0;
  std::ptrdiff_t end = 0;
  bool fresh = true;            // the entry at `cursor` has not been handed out yet
  bool lastStepForward = true;  // the walk's last step went forward

  static ListWalk of(const PhotoList& list);
  void storeTo(PhotoList& list) const;

  // The next entry in the given direction, moving the cursor onto it; -1 for an empty list.
  // Forward from the last entry (or from a cursor past it) wraps to the first; backward from
  // the first wraps to the last. A fresh cursor hands out its own entry first.
  std::ptrdiff_t next(bool forward);

  // Puts the cursor on `entry`, already handed out, so that the next step in either direction
  // takes its neighbour.
  void placeOn(std::ptrdiff_t entry);
};
