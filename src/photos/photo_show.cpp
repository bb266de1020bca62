#include "photos/photo_show.h"

#include <GL/gl.h>

#include <algorithm>

#include "glui/scene_line.h"
#include "photos/photo_cache.h"
#include "photos/texture_image.h"

namespace {
LoadingReporter quiet;
}  // namespace

PhotoShow::PhotoShow(const ShowParams& params)
    : showNames(params.showNames), ownerWindow(params.ownerWindow), showInfo(params.showInfo),
      waitsForPhotos(!params.reporter) {
  effect.interval = params.flipTime;
  effect.step = 1;

  navigation.build(panels, params.ownerWindow);
  if (params.musicOn) musicBar.build(panels, params.ownerWindow, params.musicDir.c_str());
  filmStrip.build(panels, params.ownerWindow);

  cache = std::make_unique<PhotoCache>(params.photoDir, params.cacheLevel, params.textureSize, params.smoothing,
                                       params.reporter ? *params.reporter : quiet, params.recursive,
                                       params.startAt, ListOrder{params.shuffle, params.shuffleSeed});
  if (!params.reporter) {
    cache->waitOpened();
    takeStart();
  }

  effect.select(params.effectId);
}

PhotoShow::~PhotoShow() {
  // The bars' texts and the music go with their members; the thumbnails must not keep the
  // cache's lists and textures, which go first.
  filmStrip.returnLoans();
  largePhoto = nullptr;
  cache.reset();
}

std::size_t PhotoShow::loaded() const { return cache ? cache->loaded() : 0; }

bool PhotoShow::cancelled() const { return cache && cache->cancelled(); }

bool PhotoShow::holds(std::size_t count) const { return cache && cache->holdsAtLeast(count); }

bool PhotoShow::stepWouldWait() const {
  const uint32_t next = groupIndex + 1;
  // Within the group the next member; past its end the next group, of which the step reads
  // member 1 (and shows member 0).
  return cache->wouldWait(next < 4 ? next : 5);
}

void PhotoShow::tick() {
  if (!playing) return;
  if (effect.currentEffect) effect.currentEffect->onTick();
  if (stepDue) return;  // the clock holds until the step has its photo
  if (tickCount >= effect.interval)
    tickCount = 0;
  else
    tickCount += effect.step;
}

void PhotoShow::photoChanged() {
  stepDue = false;
  tickCount = 1;
  angle = 0.0f;
  if (effect.currentEffect) effect.currentEffect->restart();
}

void PhotoShow::forgetFreedPhoto() {
  if (!largePhoto || !cache) return;
  if (std::find(cache->photos.begin(), cache->photos.end(), largePhoto) == cache->photos.end())
    largePhoto = holds(1) ? cache->photoAt(0) : nullptr;
}

void PhotoShow::takeStart() {
  if (startTaken || !cache->opened()) return;
  startTaken = true;
  groupIndex = cache->startMember();
  if (holds(groupIndex + 1)) largePhoto = cache->photoAt(groupIndex);
}

void PhotoShow::draw() {
  cache->pump();
  takeStart();
  glLoadIdentity();
  glTranslatef(offsetX, offsetY, distance);
  glRotatef(angle, 0.0f, 0.0f, 1.0f);
  glEnable(GL_BLEND);

  if ((tickCount == 0 || stepDue) && playing && !waitsForPhotos && stepWouldWait()) {
    // The photo is still being decoded: this photo stays a little longer, and the frames and
    // the window's answers go on meanwhile.
    stepDue = true;
  } else if ((tickCount == 0 || stepDue) && playing) {
    stepDue = false;
    nextPhoto();
  } else if (holds(groupIndex + 1)) {
    largePhoto = cache->photoAt(groupIndex);
  } else {
    // A thumbnail beyond the loaded photos keeps the photo shown, unless a reload freed it.
    forgetFreedPhoto();
  }

  if (largePhoto) {
    glBindTexture(GL_TEXTURE_2D, largePhoto->texture);
    if (effect.currentEffect) effect.currentEffect->applyEffect(largePhoto);
    glCallList(largePhoto->frameList);
  } else if (cache && cache->opened() && !holds(1)) {
    // An empty or unreadable folder, or its photos deleted meanwhile. Asked without waiting for
    // the scan or the rest of the fill, so the frame goes on while either runs.
    drawEmptyLine();
  }

  musicBar.dropEmptyPlayer();
  musicBar.drawVolume();

  fillPreviews();
  panels.draw();
  if (showInfo) drawInfoLine();
  glDisable(GL_BLEND);
  glFlush();
}

void PhotoShow::fillPreviews() {
  for (uint32_t k = 0; k < 4; ++k) {
    TextureImage* photo = cache->thumbnailAt(k);
    if (photo)
      filmStrip.showPhoto(k, photo->thumbList, photo->texture, photo->name, showNames);
    else
      filmStrip.showBlank(k);
  }
  // A lookup above may have reloaded the window and freed the photo shown large.
  forgetFreedPhoto();
}
