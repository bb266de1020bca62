#include "photos/photo_window.h"

#include <algorithm>

#include "sources/photo_list.h"

PhotoWindow::PhotoWindow(PhotoList& list, PhotoLoader& loader, uint32_t cacheLevel)
    : list(list), loader(loader) {
  // Groups are walked four at a time; a window that is not a whole number of groups would leave
  // a group half loaded at its end.
  const uint64_t groups = (static_cast<uint64_t>(cacheLevel) + 3) / 4;
  capacity = static_cast<uint32_t>(std::max<uint64_t>(1, std::min<uint64_t>(groups, UINT32_MAX / 4)) * 4);
}

ListWalk PhotoWindow::walkFrom(bool forwardLoad) const {
  ListWalk walk = ListWalk::of(list);
  // Continue next to the window loaded last, in the direction of travel: after its last entry
  // going forwards, before its first going backwards.
  if (firstEntry >= 0) walk.placeOn(forwardLoad ? lastEntry : firstEntry);
  return walk;
}

void PhotoWindow::fill(uint32_t count, bool forwardLoad) {
  if (pending.active) endFill();  // a jump: what the old fill still had coming is not wanted
  if (windowEnd > windowBegin) releaseAll();  // a window is never partly loaded
  pending = PendingFill();
  pending.walk = walkFrom(forwardLoad);
  pending.count = count;
  pending.active = true;
  forward = forwardLoad;
  windowBegin = windowEnd = 0;
  loader.fillStarted(pending.walk, forwardLoad);
  if (count == 0 || list.size() == 0) endFill();

  // Backwards the show arrives at the window's last group: the one just before the group it
  // left, so that group has to be there before the cursor can be placed.
  if (forwardLoad) {
    settle(0);
  } else {
    settle(-4);
  }
  groupCursor = forwardLoad ? windowBegin : std::max(windowBegin, windowEnd - 4);
  settleReady(false);
}

uint32_t PhotoWindow::openAt(std::ptrdiff_t entry) {
  const std::ptrdiff_t entries = static_cast<std::ptrdiff_t>(list.size());
  if (entry < 0 || entry >= entries) entry = 0;
  const std::ptrdiff_t groupStart = entry / 4 * 4;
  const bool wholeList = capacity > list.size();
  // The walk continues after the entry it is placed on.
  if (!wholeList && groupStart > 0) firstEntry = lastEntry = groupStart - 1;
  fill(capacity, true);
  if (wholeList) groupCursor = windowBegin + groupStart;
  return static_cast<uint32_t>(entry - groupStart);
}

void PhotoWindow::step() {
  // Every entry is tried at most once per fill: a list with fewer loadable photos than the
  // window has room for is loaded once, not round and round, and a list with nothing loadable
  // ends after one try of each entry.
  const std::ptrdiff_t entry = pending.walk.next(forward);
  ++pending.tries;
  if (loader.loadEntry(entry)) {
    if (pending.firstLoaded < 0) pending.firstLoaded = entry;
    pending.lastLoaded = entry;
    --pending.count;
    if (forward) {
      ++windowEnd;
    } else {
      --windowBegin;
    }
    // The window's ends as far as loaded: jumps compare them before the fill has settled.
    firstEntry = forward ? pending.firstLoaded : pending.lastLoaded;
    lastEntry = forward ? pending.lastLoaded : pending.firstLoaded;
  }
  if (pending.count == 0 || pending.tries >= list.size()) endFill();
}

void PhotoWindow::endFill() {
  pending.active = false;
  pending.walk.storeTo(list);
  loader.fillEnded();
  // Unless the window holds the whole list (and is never reloaded), the next window in the
  // direction of travel can be prepared while this one is shown.
  if (windowEnd > windowBegin && capacity <= list.size()) loader.prefetch(walkFrom(forward), forward);
}

void PhotoWindow::settle(std::ptrdiff_t position) {
  // A forward window grows at its end, a backward one at its start.
  while (pending.active && (forward ? position >= windowEnd : position < windowBegin)) step();
}

void PhotoWindow::settleReady(bool once) {
  while (pending.active && loader.ready()) {
    step();
    if (once) return;
  }
}

void PhotoWindow::finishFill() {
  while (pending.active) step();
}

std::size_t PhotoWindow::loadedAtLeast(std::size_t count) {
  const std::ptrdiff_t wanted = static_cast<std::ptrdiff_t>(std::min<std::size_t>(count, PTRDIFF_MAX / 2));
  settle(forward ? windowBegin + wanted - 1 : windowEnd - wanted);
  return static_cast<std::size_t>(windowEnd - windowBegin);
}

void PhotoWindow::countGroups() {
  const std::size_t entries = list.size();
  lastGroupSize = static_cast<uint32_t>(entries % 4);
  fullGroups = static_cast<uint32_t>(entries / 4);
  hasWrapMark = capacity > entries;
  wrapMark = hasWrapMark ? windowBegin + 4 * static_cast<std::ptrdiff_t>(fullGroups) : 0;
}

void PhotoWindow::releaseAll() {
  if (pending.active) endFill();
  loader.releasePhotos();
  windowBegin = windowEnd = groupCursor = 0;
}

std::ptrdiff_t PhotoWindow::storageIndex(std::ptrdiff_t position) const {
  const std::ptrdiff_t offset = position - windowBegin;
  return forward ? offset : (windowEnd - windowBegin) - 1 - offset;
}

std::ptrdiff_t PhotoWindow::wrappedMember(uint32_t k) {
  // Inside the loaded part the member does not depend on the window's final size.
  if (holds(groupCursor))
    settle(groupCursor + k);
  else
    finishFill();
  const std::ptrdiff_t size = windowEnd - windowBegin;
  if (size <= 0) return -1;
  if (groupCursor < windowBegin)
    groupCursor = std::max(windowBegin, windowEnd - 4);
  else if (groupCursor >= windowEnd)
    groupCursor = windowBegin;
  // From the wrap mark the partial last group is completed from the start of the list.
  return storageIndex(windowBegin + (groupCursor - windowBegin + k) % size);
}

std::ptrdiff_t PhotoWindow::memberOrFirst(uint32_t k) {
  const std::ptrdiff_t position = groupCursor + k;
  settle(position);
  if (holds(position)) return storageIndex(position);
  finishFill();  // the window's first photo of a backward window is its last loaded
  if (windowEnd <= windowBegin) return -1;
  return storageIndex(windowBegin);
}

std::ptrdiff_t PhotoWindow::photoAt(uint32_t k) {
  if (hasWrapMark) return wrappedMember(k);
  return memberOrFirst(k);
}

std::ptrdiff_t PhotoWindow::advance(uint32_t k) {
  if (hasWrapMark) return wrappedMember(k);
  const std::ptrdiff_t position = groupCursor + k;
  settle(position);
  if (holds(position)) return storageIndex(position);
  finishFill();
  if (position < windowBegin + static_cast<std::ptrdiff_t>(capacity)) {
    // Before the window, or past the end of a window the last fill could not fill.
    groupCursor = windowBegin;
    return windowEnd > windowBegin ? storageIndex(windowBegin) : -1;
  }
  reload(true);
  return memberOrFirst(k);
}

std::ptrdiff_t PhotoWindow::previewAt(uint32_t k, bool forwardRead) {
  if (forwardRead) return advance(k);
  if (hasWrapMark) return wrappedMember(k);
  const std::ptrdiff_t position = groupCursor + k;
  settle(position);
  if (holds(position)) return storageIndex(position);
  finishFill();
  if (groupCursor >= windowBegin) return advance(k);  // the group lies after the window
  reload(false);
  return memberOrFirst(k);
}

bool PhotoWindow::prevGroup() {
  if (hasWrapMark) {
    if (groupCursor > windowBegin)
      groupCursor = std::max(windowBegin, groupCursor - 4);
    else
      groupCursor -= 4;  // the next lookup turns this into the last group
    return false;
  }
  groupCursor -= 4;
  settle(groupCursor);
  return groupCursor >= windowBegin;
}

void PhotoWindow::reload(bool forwardLoad) {
  releaseAll();
  fill(capacity, forwardLoad);
}
