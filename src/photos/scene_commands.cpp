// The photo show's commands: what the buttons of its bars do, and the photo moves that the
// keyboard and the context menu share with them.
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

void PhotoShow::moveGroup(Direction direction) {
  cache->step(direction);
  groupIndex = 0;
}

void PhotoShow::nextGroup() {
  moveGroup(Direction::forward);
  photoChanged();
}

void PhotoShow::previousGroup() {
  moveGroup(Direction::backward);
  photoChanged();
}

void PhotoShow::jumpTo(std::ptrdiff_t entry) {
  uint32_t member = cache->jumpTo(entry);
  if (!holds(member + 1)) member = 0;
  groupIndex = member;
  largePhoto = holds(member + 1) ? cache->photoAt(member) : nullptr;
  photoChanged();
}

void PhotoShow::lastPhoto() { jumpTo(static_cast<std::ptrdiff_t>(cache->photoList->size()) - 1); }
