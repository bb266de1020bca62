#include "photos/photo_show.h"

#include <GL/gl.h>

#include <algorithm>

#include "glui/scene_line.h"
#include "photos/photo_cache.h"
#include "photos/texture_image.h"

PhotoShow::PhotoShow(const ShowParams& params) : showNames(params.showNames), ownerWindow(params.ownerWindow) {
  effect.interval = params.flipTime;
  effect.step = 1;

  navigation.build(panels, params.ownerWindow);
  if (params.musicOn) musicBar.build(panels, params.ownerWindow, params.musicDir);
  filmStrip.build(panels, params.ownerWindow);

  char emptyFolder[2] = "";
  cache = std::make_unique<PhotoCache>(params.photoDir ? params.photoDir : emptyFolder,
                                       params.cacheLevel, params.textureSize, params.smoothing);
  if (loaded() > 0) current = cache->photoAt(0);

  effect.select(params.effectId);
}

PhotoShow::~PhotoShow() {
  // The bars' texts and the music go with their members; the thumbnails must not keep the
  // cache's lists and textures, which go first.
  filmStrip.returnLoans();
  current = nullptr;
  cache.reset();
}

std::size_t PhotoShow::loaded() const { return cache ? cache->loaded() : 0; }

void PhotoShow::tick() {
  if (!playing) return;
  if (effect.currentEffect) effect.currentEffect->onTick();
  if (tickCount >= effect.interval)
    tickCount = 0;
  else
    tickCount += effect.step;
}

void PhotoShow::photoChanged() {
  tickCount = 1;
  angle = 0.0f;
  if (effect.currentEffect) effect.currentEffect->restart();
}

void PhotoShow::forgetFreedPhoto() {
  if (!current || !cache) return;
  if (std::find(cache->photos.begin(), cache->photos.end(), current) == cache->photos.end())
    current = loaded() > 0 ? cache->photoAt(0) : nullptr;
}

void PhotoShow::draw() {
  glLoadIdentity();
  glTranslatef(offsetX, offsetY, distance);
  glRotatef(angle, 0.0f, 0.0f, 1.0f);
  glEnable(GL_BLEND);

  const std::size_t count = loaded();
  if (tickCount == 0 && playing) {
    nextPhoto();
  } else if (groupIndex < count) {
    current = cache->photoAt(groupIndex);
  } else {
    // A thumbnail beyond the loaded photos keeps the photo shown, unless a reload freed it.
    forgetFreedPhoto();
  }

  if (count > 0 && current) {
    glBindTexture(GL_TEXTURE_2D, current->texture);
    if (effect.currentEffect) effect.currentEffect->applyEffect(current);
    glCallList(current->frameList);
  } else if (loaded() == 0) {
    drawEmptyLine();  // an empty or unreadable folder, or its photos deleted meanwhile
  }

  musicBar.drawVolume();

  fillPreviews();
  panels.draw();
  glDisable(GL_BLEND);
  glFlush();
}

void PhotoShow::fillPreviews() {
  const std::size_t count = loaded();
  for (uint32_t k = 0; k < 4; ++k) {
    if (count == 0 || k >= count) {
      filmStrip.showBlank(k);
      continue;
    }
    TextureImage* photo = cache->previewAt(k, forward);
    if (photo)
      filmStrip.showPhoto(k, photo->thumbList, photo->texture, photo->name, showNames);
    else
      filmStrip.showBlank(k);
  }
  // A lookup above may have reloaded the window and freed the photo shown large.
  forgetFreedPhoto();
}
