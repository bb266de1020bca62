#pragma once
// What the photo window needs from whoever turns list entries into photos: the Win32 cache
// loads textures, the tests count calls.
#include <cstddef>

#include "photos/photo_walk.h"

class PhotoLoader {
public:
  virtual ~PhotoLoader() = default;

  // A fill starts. Stepping a copy of `walk` yields, in order, every entry the fill may try;
  // the fill tries a prefix of that sequence (how long depends on what loads), at most one try
  // per entry of the list.
  virtual void fillStarted(const ListWalk& walk) { (void)walk; }
  // True when the next loadEntry of the fill would answer without waiting, and may run now (a
  // loader that spreads uploads over frames says no once this frame's share is used).
  virtual bool ready() { return true; }
  // Tries list entry `entry`. On success the photo goes to the end of the loader's storage and
  // the result is true; on failure the storage is unchanged.
  virtual bool loadEntry(std::ptrdiff_t entry) = 0;
  // The fill has ended; photos prepared ahead for entries it did not try may be dropped.
  virtual void fillEnded() {}
  // The next fill will most likely walk from `walk` (a copy): the loader may prepare those
  // photos while the show runs.
  virtual void prefetch(const ListWalk& walk) { (void)walk; }
  // Releases every photo in storage and empties it.
  virtual void releasePhotos() = 0;
};
