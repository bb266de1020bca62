// The photo show's commands: what the buttons of its bars do, and the photo moves that the
// keyboard and the context menu share with them.
#include <cstddef>

#include "photos/photo_cache.h"
#include "photos/photo_show.h"

void PhotoShow::onPanelClick(int x, int y) {
  const int64_t name = panels.pick(x, y);
  if (name <= 0) return;
  if (musicBar.click(name)) return;

  switch (navigation.roleOf(name)) {
    case navigationRotateLeft: rotateLeft(); return;
    case navigationRotateRight: rotateRight(); return;
    case navigationFirst: firstPhoto(); return;
    case navigationLast: lastPhoto(); return;
    case navigationPause: togglePlaying(); return;
    case navigationZoomIn: zoomIn(); return;
    case navigationZoomOut: zoomOut(); return;
    default: break;
  }

  const int role = filmStrip.roleOf(name);
  if (role == stripPrevious)
    previousGroup();
  else if (role == stripNext)
    nextGroup();
  else if (role >= stripThumbnail1 && role <= stripThumbnail4)
    selectThumbnail(static_cast<uint32_t>(role - stripThumbnail1));
}

void PhotoShow::zoomIn() {
  if (distance < -2.51f) distance += 0.3f;
}

void PhotoShow::zoomOut() {
  if (distance >= -7.5f) distance -= 0.3f;
}

void PhotoShow::togglePlaying() {
  playing = !playing;
  navigation.showPlaying(playing);
}

void PhotoShow::selectThumbnail(uint32_t k) {
  if (holds(k + 1)) largePhoto = cache->photoAt(k);
  groupIndex = k;
  photoChanged();
}

void PhotoShow::nextGroup() {
  forward = true;
  if (holds(4)) cache->nextGroup();
  groupIndex = 0;
  photoChanged();
}

void PhotoShow::previousGroup() {
  if (holds(4)) forward = cache->prevGroup();
  groupIndex = 0;
  photoChanged();
}

void PhotoShow::firstPhoto() {
  if (holds(1)) {
    PhotoWindow& window = cache->window;
    // Positions count from the window's first photo in list order, so a window whose first
    // entry is the list's first holds the first group at its start. Any other window is
    // reloaded forwards from the list's first entry: the walk continues after the entry it is
    // placed on, and after the last one it starts over. A backward window still arriving does
    // not know its first entry yet; reloading it gives the same photos without waiting.
    if (!window.hasWrapMark && (window.firstEntry != 0 || (window.filling() && !window.forward))) {
      const std::ptrdiff_t lastEntry = static_cast<std::ptrdiff_t>(cache->photoList->size()) - 1;
      window.firstEntry = window.lastEntry = lastEntry;
      cache->fill(window.capacity, true);
    }
    window.groupCursor = window.windowBegin;
  }
  forward = true;
  groupIndex = 0;
  largePhoto = holds(1) ? cache->photoAt(0) : nullptr;
  photoChanged();
}

void PhotoShow::lastPhoto() {
  if (!holds(1)) {
    firstPhoto();
    return;
  }
  PhotoWindow& window = cache->window;
  uint32_t member = 0;
  if (window.hasWrapMark) {
    window.finishFill();
    // The whole folder is loaded in list order: its last photo ends the window.
    const std::ptrdiff_t last = window.windowEnd - 1 - window.windowBegin;
    window.groupCursor = window.windowBegin + last / 4 * 4;
    member = static_cast<uint32_t>(last % 4);
  } else {
    // Reload forwards from the first entry of the last group, counted in fours from the
    // list's start as at a fresh open; the last photo is its member in that group.
    const std::ptrdiff_t entries = static_cast<std::ptrdiff_t>(cache->photoList->size());
    const std::ptrdiff_t lastEntry = entries - 1;
    const std::ptrdiff_t groupStart = lastEntry / 4 * 4;
    if (window.firstEntry != groupStart || (window.filling() && !window.forward)) {
      window.firstEntry = window.lastEntry = groupStart > 0 ? groupStart - 1 : lastEntry;
      cache->fill(window.capacity, true);
    }
    window.groupCursor = window.windowBegin;
    member = static_cast<uint32_t>(lastEntry - groupStart);
    if (!holds(member + 1)) member = 0;
  }
  forward = true;
  groupIndex = member;
  largePhoto = holds(member + 1) ? cache->photoAt(member) : nullptr;
  photoChanged();
}
