#pragma once
// The photo cache's bookkeeping, free of textures and threads: which entries of the folder's
// list are loaded, which group of four photos the show is on, which way it travels, and when
// the whole window has to be reloaded, forwards or backwards. The photos themselves live in
// the loader's storage, in load order; every lookup answers with an index into that storage
// (-1: no photo).
//
// The show moves only through jumpTo (a photo of the list) and step (a group on or back); the
// window keeps its cursor, the direction of travel and the walk through the list to itself.
//
// Positions (the group cursor and the window's ends) count photos in list order inside the
// window, whichever direction it was loaded in: a backward load holds the photos in reverse
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
#include <vector>

#include "photos/photo_loader.h"

class PhotoList;

class PhotoWindow {
public:
  // The window keeps `cacheLevel` photos, rounded up to whole groups of four (at least one
  // group), so that every group of a full window is loaded whole. Keeps references to the list
  // and the loader, which must outlive it. Loads nothing until the first jumpTo.
  PhotoWindow(PhotoList& list, PhotoLoader& loader, uint32_t cacheLevel);

  // Moves the show to list entry `entry` (kept inside the list), in its group counted in fours
  // from the list's first entry as at a fresh open: the window is loaded forwards from that
  // group's first entry unless it already starts there, or holds the whole list (then the
  // group is the one holding the entry, or the next loaded photo when the entry did not load).
  // The cursor goes to that group and travel forwards. The first call loads the first window;
  // once a fill has found nothing to load (or after stayEmpty) nothing is loaded again.
  // Returns the entry's member (0-3) of the group.
  uint32_t jumpTo(std::ptrdiff_t entry);
  // One group on or back, once at least four photos are loaded. Forwards the next lookup
  // reloads the window when the group lies outside it. Backwards the show reads the previous
  // group forwards while it is inside the window, otherwise backwards, reloading the window
  // backwards without a wrap mark; with the whole list loaded the cursor stops at the first
  // group, and a step back from the first group goes to the last.
  void step(Direction direction);
  // Nothing will be loaded (not enough memory): the show stays empty.
  void stayEmpty() { started = true; }

  // Tries the pending fill's entries while the loader has them ready; one try at most when
  // `once`. The per-frame share of a fill.
  void settleReady(bool once);
  // Settles the pending fill completely (waiting for the loader).
  void finishFill();
  // True while a fill has entries left to try.
  bool filling() const { return pending.active; }
  // True when member k of the current group (k may pass 3: the groups after it) is loaded: a
  // lookup there answers without waiting for the pending fill.
  bool holdsMember(std::ptrdiff_t k) const { return holds(groupCursor + k); }
  // Photos loaded so far, without waiting.
  std::size_t loadedSoFar() const { return static_cast<std::size_t>(windowEnd - windowBegin); }
  // Photos loaded so far, at least `count` of them when the fill can give them (waits).
  std::size_t loadedAtLeast(std::size_t count);
  // Photos in the window once the fill has settled (waits for it).
  std::size_t loaded() {
    finishFill();
    return loadedSoFar();
  }
  // True when the window holds the whole list: it is loaded once and never reloaded.
  bool wholeList() const;
  uint32_t capacity() const { return groupCapacity; }
  // Releases every photo; the window is empty and the cursor at its start.
  void releaseAll();

  // Photo k (0-3) of the current group, without loading; a cursor outside a window that does
  // not hold the whole list gives the window's first photo.
  std::ptrdiff_t photoAt(uint32_t k);
  // Photo k of the group read forwards, reloading the window forwards when the group lies
  // outside it.
  std::ptrdiff_t advance(uint32_t k);
  // Photo k of the group read in `direction`: forwards as advance(k); backwards reloading the
  // window backwards when the group lies before it.
  std::ptrdiff_t previewAt(uint32_t k, Direction direction);
  // Photo k read in the direction of travel: what the film strip shows.
  std::ptrdiff_t previewAt(uint32_t k) { return previewAt(k, travel); }
  // Thumbnail k of the film strip: previewAt(k), or -1 while the photo is not there (beyond the
  // loaded photos, or still to come while the window arrives; nothing here waits for a decode).
  std::ptrdiff_t thumbnailAt(uint32_t k);

  // The storage index of list-order position `position` inside the window.
  std::ptrdiff_t storageIndex(std::ptrdiff_t position) const;

private:
  bool holds(std::ptrdiff_t position) const { return position >= windowBegin && position < windowEnd; }
  bool loadedForward() const { return walk.direction == Direction::forward; }
  // Loads a window of photos stepping `from`; a window still loaded is released first and a
  // fill still settling is dropped. A failed entry does not use up a slot; the fill ends when
  // the window is full or when it has tried every entry of the list once. Afterwards the
  // cursor is on the window's first group (forward) or on its last group (backward). Returns
  // once the photos of the cursor's group are settled as far as the loader has them ready.
  void fill(const ListWalk& from);
  // The walk a fill in `direction` starts from: next to the window loaded last.
  ListWalk walkFrom(Direction direction) const;
  void reload(Direction direction);
  // Moves the cursor one group back; true when that group is still inside the window.
  bool prevGroup();
  // The photo of group member k when the whole list is loaded: the cursor wraps to the first
  // group past the end and to the last group before the start, and a group running past the
  // end is completed from the start.
  std::ptrdiff_t wrappedMember(uint32_t k);
  // Member k of the group if it lies inside the window, else the window's first photo.
  std::ptrdiff_t memberOrFirst(uint32_t k);
  // One try of the pending fill; ends the fill when it has its photos or has tried every entry.
  void tryNext();
  // Settles the pending fill until `position` is loaded or the fill has ended.
  void settle(std::ptrdiff_t position);
  // Ends the pending fill; the loader hears of it and may prepare the next window.
  void endFill();

  PhotoList& list;
  PhotoLoader& loader;
  uint32_t groupCapacity = 4;
  bool started = false;  // the first window was asked for
  Direction travel = Direction::forward;
  // The walk of the last fill: where it is, and the direction the window was loaded in.
  ListWalk walk;
  std::ptrdiff_t groupCursor = 0;  // first photo of the current group; may stand one group
                                   // outside the window between a move and the next lookup
  std::ptrdiff_t windowBegin = 0;
  std::ptrdiff_t windowEnd = 0;
  // List entries at the two ends of the window loaded last, in list order; -1 before any load.
  // The next fill continues beyond the end it travels towards.
  std::ptrdiff_t firstEntry = -1;
  std::ptrdiff_t lastEntry = -1;
  std::vector<std::ptrdiff_t> loadedEntries;  // the list entries of the window, in load order

  struct PendingFill {
    bool active = false;
    uint32_t count = 0;  // photos still wanted
    std::size_t tries = 0;
  } pending;
};
