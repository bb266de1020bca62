#include "photos/photo_window.h"

#include <algorithm>

#include "sources/photo_list.h"

PhotoWindow::PhotoWindow(PhotoList& list, PhotoLoader& loader, uint32_t cacheLevel) : list(list), loader(loader) {
  // Groups are walked four at a time; a window that is not a whole number of groups would leave
  // a group half loaded at its end.
  const uint64_t groups = (static_cast<uint64_t>(cacheLevel) + 3) / 4;
  groupCapacity = static_cast<uint32_t>(std::max<uint64_t>(1, std::min<uint64_t>(groups, UINT32_MAX / 4)) * 4);
}

bool PhotoWindow::wholeList() const { return groupCapacity > list.size(); }

ListWalk PhotoWindow::walkFrom(Direction direction) const {
  ListWalk from = walk;
  from.end = static_cast<std::ptrdiff_t>(list.size());
  from.direction = direction;
  // Continue next to the window loaded last, in the direction of travel: after its last entry
  // going forwards, before its first going backwards.
  if (firstEntry >= 0) from.placeOn(direction == Direction::forward ? lastEntry : firstEntry);
  return from;
}

uint32_t PhotoWindow::jumpTo(std::ptrdiff_t entry) {
  travel = Direction::forward;
  const std::ptrdiff_t entries = static_cast<std::ptrdiff_t>(list.size());
  // Once loaded, an empty window means a fill found nothing to load after trying every entry.
  if (entries == 0 || (started && loadedAtLeast(1) == 0)) return 0;
  entry = std::clamp<std::ptrdiff_t>(entry, 0, entries - 1);

  if (wholeList()) {
    // The whole list is loaded once, in list order from its first entry; the entry's photo is
    // found among the loaded ones (a failed entry gives the next photo, or the last).
    if (!started) fill(ListWalk::over(list.size(), Direction::forward));
    while (pending.active && (loadedEntries.empty() || loadedEntries.back() < entry)) tryNext();
    if (loadedEntries.empty()) return 0;
    const auto found = std::lower_bound(loadedEntries.begin(), loadedEntries.end(), entry);
    const std::ptrdiff_t position =
        found == loadedEntries.end() ? windowEnd - 1 - windowBegin : found - loadedEntries.begin();
    groupCursor = windowBegin + position / 4 * 4;
    return static_cast<uint32_t>(position % 4);
  }

  // Any other window is reloaded forwards from the group's first entry: the walk continues
  // after the entry it is placed on (from before the list it starts at the first entry). A
  // backward window still arriving does not know its first entry yet; reloading it gives the
  // same photos without waiting.
  const std::ptrdiff_t groupStart = entry / 4 * 4;
  if (firstEntry != groupStart || (filling() && !loadedForward())) {
    ListWalk from = ListWalk::over(list.size(), Direction::forward);
    from.placeOn(groupStart - 1);
    fill(from);
  }
  groupCursor = windowBegin;
  return static_cast<uint32_t>(entry - groupStart);
}

void PhotoWindow::step(Direction direction) {
  const bool wholeGroup = loadedAtLeast(4) >= 4;
  if (direction == Direction::forward) {
    travel = Direction::forward;
    if (wholeGroup) groupCursor += 4;
  } else if (wholeGroup) {
    travel = prevGroup() ? Direction::forward : Direction::backward;
  }
}

void PhotoWindow::fill(const ListWalk& from) {
  if (pending.active) endFill();  // a jump: what the old fill still had coming is not wanted
  if (windowEnd > windowBegin) releaseAll();  // a window is never partly loaded
  started = true;
  pending = PendingFill();
  walk = from;
  pending.count = groupCapacity;
  pending.active = true;
  windowBegin = windowEnd = 0;
  loader.fillStarted(walk);

  // Backwards the show arrives at the window's last group: the one just before the group it
  // left, so that group has to be there before the cursor can be placed.
  const bool forward = loadedForward();
  settle(forward ? 0 : -4);
  groupCursor = forward ? windowBegin : std::max(windowBegin, windowEnd - 4);
  settleReady(false);
}

void PhotoWindow::tryNext() {
  // Every entry is tried at most once per fill: a list with fewer loadable photos than the
  // window has room for is loaded once, not round and round, and a list with nothing loadable
  // ends after one try of each entry.
  const std::ptrdiff_t entry = walk.next();
  ++pending.tries;
  if (loader.loadEntry(entry)) {
    loadedEntries.push_back(entry);
    --pending.count;
    if (loadedForward()) {
      ++windowEnd;
    } else {
      --windowBegin;
    }
    // The window's ends as far as loaded: jumps compare them before the fill has settled.
    firstEntry = loadedForward() ? loadedEntries.front() : entry;
    lastEntry = loadedForward() ? entry : loadedEntries.front();
  }
  if (pending.count == 0 || pending.tries >= list.size()) endFill();
}

void PhotoWindow::endFill() {
  pending.active = false;
  loader.fillEnded();
  // Unless the window holds the whole list (and is never reloaded), the next window in the
  // direction of travel can be prepared while this one is shown.
  if (windowEnd > windowBegin && !wholeList()) loader.prefetch(walkFrom(walk.direction));
}

void PhotoWindow::settle(std::ptrdiff_t position) {
  // A forward window grows at its end, a backward one at its start.
  while (pending.active && (loadedForward() ? position >= windowEnd : position < windowBegin)) tryNext();
}

void PhotoWindow::settleReady(bool once) {
  while (pending.active && loader.ready()) {
    tryNext();
    if (once) return;
  }
}

void PhotoWindow::finishFill() {
  while (pending.active) tryNext();
}

std::size_t PhotoWindow::loadedAtLeast(std::size_t count) {
  const std::ptrdiff_t wanted = static_cast<std::ptrdiff_t>(std::min<std::size_t>(count, PTRDIFF_MAX / 2));
  settle(loadedForward() ? windowBegin + wanted - 1 : windowEnd - wanted);
  return loadedSoFar();
}

void PhotoWindow::releaseAll() {
  if (pending.active) endFill();
  loader.releasePhotos();
  loadedEntries.clear();
  windowBegin = windowEnd = groupCursor = 0;
}

std::ptrdiff_t PhotoWindow::storageIndex(std::ptrdiff_t position) const {
  const std::ptrdiff_t offset = position - windowBegin;
  return loadedForward() ? offset : (windowEnd - windowBegin) - 1 - offset;
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
  // From the last, partial group the group is completed from the start of the list.
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
  if (wholeList()) return wrappedMember(k);
  return memberOrFirst(k);
}

std::ptrdiff_t PhotoWindow::advance(uint32_t k) {
  if (wholeList()) return wrappedMember(k);
  const std::ptrdiff_t position = groupCursor + k;
  settle(position);
  if (holds(position)) return storageIndex(position);
  finishFill();
  if (position < windowBegin + static_cast<std::ptrdiff_t>(groupCapacity)) {
    // Before the window, or past the end of a window the last fill could not fill.
    groupCursor = windowBegin;
    return windowEnd > windowBegin ? storageIndex(windowBegin) : -1;
  }
  reload(Direction::forward);
  return memberOrFirst(k);
}

std::ptrdiff_t PhotoWindow::previewAt(uint32_t k, Direction direction) {
  if (direction == Direction::forward) return advance(k);
  if (wholeList()) return wrappedMember(k);
  const std::ptrdiff_t position = groupCursor + k;
  settle(position);
  if (holds(position)) return storageIndex(position);
  finishFill();
  if (groupCursor >= windowBegin) return advance(k);  // the group lies after the window
  reload(Direction::backward);
  return memberOrFirst(k);
}

std::ptrdiff_t PhotoWindow::thumbnailAt(uint32_t k) {
  const bool there = filling() ? holdsMember(k) : loadedSoFar() > k;
  return there ? previewAt(k) : -1;
}

bool PhotoWindow::prevGroup() {
  if (wholeList()) {
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

void PhotoWindow::reload(Direction direction) {
  const ListWalk from = walkFrom(direction);
  releaseAll();
  fill(from);
}
