#pragma once
// The photo cache's bookkeeping, free of textures and threads: which entries of the folder's
// list are loaded, which group of four photos the show is on, and when the whole window has to
// be reloaded, forwards or backwards. The photos themselves live in the loader's storage, in
// load order; every lookup answers with an index into that storage (-1: no photo).
//
// Positions (groupCursor, windowBegin, windowEnd, wrapMark) count photos in list order inside
// the window, whichever direction it was loaded in: a backward load holds the photos in reverse
// list order in storage, and storageIndex maps between the two. So "four on" is the next group
// and "four back" the previous one after loads in either direction.
#include <cstddef>
#include <cstdint>

#include "photos/photo_loader.h"

class PhotoList;

class PhotoWindow {
public:
  // The window keeps `cacheLevel` photos, rounded up to whole groups of four (at least one
  // group), so that every group of a full window is loaded whole. Keeps references to the list
  // and the loader, which must outlive it.
  PhotoWindow(PhotoList& list, PhotoLoader& loader, uint32_t cacheLevel);

  // Loads up to `count` photos walking the list in the given direction, starting next to the
  // window loaded last (a window still loaded is released first). A failed entry does not use up
  // a slot; the fill ends when `count` photos are loaded or when it has tried every entry of the
  // list once. Afterwards the cursor is on the window's first group (forward) or on its last
  // group (backward).
  void fill(uint32_t count, bool forward);
  // Group bookkeeping once the first fill is done: sets the wrap mark when the whole list fits.
  void countGroups();
  // Releases every photo; the window is empty and the cursor at its start.
  void releaseAll();

  // Photo k (0-3) of the current group, without loading; a cursor outside a window that does
  // not hold the whole list gives the window's first photo. -1 when the window is empty.
  std::ptrdiff_t photoAt(uint32_t k);
  // Photo k of the group read forwards, reloading the window forwards when the group lies
  // outside it. -1 when nothing is loaded.
  std::ptrdiff_t advance(uint32_t k);
  // Forward: advance(k). Backward: photo k of the group, reloading the window backwards when
  // the group lies before it.
  std::ptrdiff_t previewAt(uint32_t k, bool forward);
  // Moves the cursor one group back. True when that group is still inside the window (the show
  // then reads it forwards), false when it has to be read backwards (and, without a wrap mark,
  // reloaded). With a wrap mark the cursor stops at the first group, and a step back from the
  // first group goes to the last.
  bool prevGroup();
  // Moves the cursor one group on; the next advance reloads when the group lies outside.
  void nextGroup() { groupCursor += 4; }

  std::size_t loaded() const { return static_cast<std::size_t>(windowEnd - windowBegin); }
  // The storage index of list-order position `position` inside the window.
  std::ptrdiff_t storageIndex(std::ptrdiff_t position) const;

  std::ptrdiff_t groupCursor = 0;
  std::ptrdiff_t windowBegin = 0;
  std::ptrdiff_t windowEnd = 0;
  bool hasWrapMark = false;
  std::ptrdiff_t wrapMark = 0;  // start of the last, partial group when the whole list fits
  bool forward = true;          // direction of the last load
  uint32_t capacity = 4;
  uint32_t lastGroupSize = 0;   // entries modulo 4
  uint32_t fullGroups = 0;      // entries divided by 4
  // List entries at the two ends of the window loaded last, in list order; -1 before any load.
  // The next fill continues beyond the end it travels towards.
  std::ptrdiff_t firstEntry = -1;
  std::ptrdiff_t lastEntry = -1;

private:
  // The photo of group member k when the whole list is loaded: the cursor wraps to the first
  // group past the end and to the last group before the start, and a group running past the
  // end is completed from the start.
  std::ptrdiff_t wrappedMember(uint32_t k);
  // Member k of the group if it lies inside the window, else the window's first photo.
  std::ptrdiff_t memberOrFirst(uint32_t k) const;
  void reload(bool forward);

  PhotoList& list;
  PhotoLoader& loader;
};
