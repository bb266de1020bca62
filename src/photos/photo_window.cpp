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

void PhotoWindow::fill(uint32_t count, bool forwardLoad) {
  if (windowEnd > windowBegin) releaseAll();  // a window is never partly loaded
  ListWalk walk = ListWalk::of(list);
  // Continue next to the window loaded last, in the direction of travel: after its last entry
  // going forwards, before its first going backwards.
  if (firstEntry >= 0) walk.placeOn(forwardLoad ? lastEntry : firstEntry);
  forward = forwardLoad;
  loader.fillStarted(walk, forwardLoad);

  // Every entry is tried at most once per fill: a list with fewer loadable photos than the
  // window has room for is loaded once, not round and round, and a list with nothing loadable
  // ends after one try of each entry.
  const std::size_t entries = list.size();
  std::size_t tries = 0;
  std::ptrdiff_t loadedCount = 0;
  std::ptrdiff_t firstLoaded = -1, lastLoaded = -1;  // in load order
  while (count > 0 && tries < entries) {
    const std::ptrdiff_t entry = walk.next(forwardLoad);
    ++tries;
    if (loader.loadEntry(entry)) {
      if (firstLoaded < 0) firstLoaded = entry;
      lastLoaded = entry;
      --count;
      ++loadedCount;
    }
  }
  walk.storeTo(list);
  loader.fillEnded();

  windowBegin = 0;
  windowEnd = loadedCount;
  if (loadedCount > 0) {
    firstEntry = forwardLoad ? firstLoaded : lastLoaded;
    lastEntry = forwardLoad ? lastLoaded : firstLoaded;
  }
  // Backwards the show arrives at the window's last group: the one just before the group it
  // left.
  groupCursor = forwardLoad ? windowBegin : std::max(windowBegin, windowEnd - 4);
}

void PhotoWindow::countGroups() {
  const std::size_t entries = list.size();
  lastGroupSize = static_cast<uint32_t>(entries % 4);
  fullGroups = static_cast<uint32_t>(entries / 4);
  hasWrapMark = capacity > entries;
  wrapMark = hasWrapMark ? windowBegin + 4 * static_cast<std::ptrdiff_t>(fullGroups) : 0;
}

void PhotoWindow::releaseAll() {
  loader.releasePhotos();
  windowBegin = windowEnd = groupCursor = 0;
}

std::ptrdiff_t PhotoWindow::storageIndex(std::ptrdiff_t position) const {
  const std::ptrdiff_t offset = position - windowBegin;
  return forward ? offset : (windowEnd - windowBegin) - 1 - offset;
}

std::ptrdiff_t PhotoWindow::wrappedMember(uint32_t k) {
  const std::ptrdiff_t size = windowEnd - windowBegin;
  if (size <= 0) return -1;
  if (groupCursor < windowBegin)
    groupCursor = std::max(windowBegin, windowEnd - 4);
  else if (groupCursor >= windowEnd)
    groupCursor = windowBegin;
  // From the wrap mark the partial last group is completed from the start of the list.
  return storageIndex(windowBegin + (groupCursor - windowBegin + k) % size);
}

std::ptrdiff_t PhotoWindow::memberOrFirst(uint32_t k) const {
  if (windowEnd <= windowBegin) return -1;
  const std::ptrdiff_t position = groupCursor + k;
  if (position >= windowBegin && position < windowEnd) return storageIndex(position);
  return storageIndex(windowBegin);
}

std::ptrdiff_t PhotoWindow::photoAt(uint32_t k) {
  if (hasWrapMark) return wrappedMember(k);
  return memberOrFirst(k);
}

std::ptrdiff_t PhotoWindow::advance(uint32_t k) {
  if (hasWrapMark) return wrappedMember(k);
  const std::ptrdiff_t position = groupCursor + k;
  if (position >= windowBegin && position < windowEnd) return storageIndex(position);
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
  if (position >= windowBegin && position < windowEnd) return storageIndex(position);
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
  return groupCursor >= windowBegin;
}

void PhotoWindow::reload(bool forwardLoad) {
  releaseAll();
  fill(capacity, forwardLoad);
}
