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
//
// A fill is settled lazily: it tries entries only as far as a lookup needs them, or as long
// as the loader has the next one ready without waiting (ready()). A forward window grows
// upwards from position 0, a backward one downwards from position 0, so a position once
// loaded keeps its storage index while the rest of the window arrives. Every answer is the
// one a fill settled at once would give.
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
  // group (backward). A fill still settling is dropped first. Returns once the photos of the
  // cursor's group are settled as far as the loader has them ready (at least its first photo).
  void fill(uint32_t count, bool forward);
  // The first fill of a fresh window, on the group of four (counted from the list's start, as
  // the show walks it) that holds list entry `entry`: a window that holds the whole list is
  // loaded from the list's start, in list order, with the cursor on that group; any other is
  // loaded forwards from the group's first entry. An entry outside the list counts as the first.
  // Returns the entry's member (0-3) in its group.
  uint32_t openAt(std::ptrdiff_t entry);
  // Tries the pending fill's entries while the loader has them ready; one try at most when
  // `once`. The per-frame share of a fill.
  void settleReady(bool once);
  // Settles the pending fill completely (waiting for the loader).
  void finishFill();
  // True while a fill has entries left to try.
  bool filling() const { return pending.active; }
  // True when list-order position `position` is loaded: a lookup there answers without
  // waiting for the pending fill.
  bool holds(std::ptrdiff_t position) const { return position >= windowBegin && position < windowEnd; }
  // Photos loaded so far, at least `count` of them when the fill can give them (waits).
  std::size_t loadedAtLeast(std::size_t count);
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

  // Photos in the window once the fill has settled (waits for it).
  std::size_t loaded() {
    finishFill();
    return static_cast<std::size_t>(windowEnd - windowBegin);
  }
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
  std::ptrdiff_t memberOrFirst(uint32_t k);
  void reload(bool forward);
  // One try of the pending fill; ends the fill when it has its photos or has tried every entry.
  void step();
  // Settles the pending fill until `position` is loaded or the fill has ended.
  void settle(std::ptrdiff_t position);
  // Ends the pending fill: the walk goes back to the list and the loader hears of it.
  void endFill();
  // The walk the next fill in the given direction starts from.
  ListWalk walkFrom(bool forward) const;

  struct PendingFill {
    bool active = false;
    ListWalk walk;
    uint32_t count = 0;       // photos still wanted
    std::size_t tries = 0;
    std::ptrdiff_t firstLoaded = -1, lastLoaded = -1;  // in load order
  } pending;

  PhotoList& list;
  PhotoLoader& loader;
};
