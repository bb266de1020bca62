#pragma once
// Walking a PhotoList's entries one at a time, forwards or backwards, wrapping at its ends.
//
// A ListWalk is plain data: the photo window keeps the walk of its fills, and hands copies to
// the loader, which can so predict the entries a fill is going to try without disturbing it.
#include <cstddef>

// Which way the show travels through the folder, and which way a window was loaded.
enum class Direction { forward, backward };

struct ListWalk {
  std::ptrdiff_t cursor = 0;
  std::ptrdiff_t end = 0;    // the list's size; entries are 0 .. end - 1
  bool fresh = true;         // the entry at `cursor` has not been handed out yet
  Direction direction = Direction::forward;

  // A fresh walk over `entries` entries in `direction`, starting at the first entry.
  static ListWalk over(std::size_t entries, Direction direction);

  // The next entry in the walk's direction, moving the cursor onto it; -1 for an empty list.
  // Forward from the last entry (or from a cursor past it) wraps to the first; backward from
  // the first wraps to the last. A fresh cursor hands out its own entry first going forwards.
  std::ptrdiff_t next();

  // Puts the cursor on `entry`, already handed out, so that the next step takes its neighbour.
  void placeOn(std::ptrdiff_t entry);

  bool operator==(const ListWalk& other) const {
    return cursor == other.cursor && end == other.end && fresh == other.fresh && direction == other.direction;
  }
};
