// Stepping one photo on or back at once, for the keys and the context menu.
#include "photos/photo_cache.h"
#include "photos/photo_show.h"

void PhotoShow::nextPhoto() {
  const uint32_t next = groupIndex + 1;
  if (!holds(next)) return;  // the group has no further loaded photo
  if (next < 4) {
    groupIndex = next;
  } else {
    moveGroup(Direction::forward);
    cache->advance(1);  // reloads the window when the new group lies outside it
  }
  largePhoto = cache->photoAt(groupIndex);
  photoChanged();
}

void PhotoShow::previousPhoto() {
  // Nothing happens on member 0.
  const uint32_t previous = groupIndex - 1;
  if (groupIndex == 0 || !holds(previous)) return;
  groupIndex = previous;
  largePhoto = cache->previewAt(previous, Direction::backward);
  photoChanged();
}
