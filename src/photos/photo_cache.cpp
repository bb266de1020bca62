#include "photos/photo_cache.h"

#include <windows.h>
#include <GL/gl.h>

#include <algorithm>
#include <string>
#include <thread>

#include "photos/decode_pipeline.h"
#include "photos/photo_memory.h"
#include "photos/photo_scan.h"
#include "sources/photo_order.h"
#include "sources/photo_sources.h"

PhotoCache::PhotoCache(const std::string& photoDir, uint32_t cacheLevel, uint32_t textureSize, bool smoothing,
                       LoadingReporter& reporter, bool recursive, const std::string& startAt,
                       const ListOrder& order)
    : photoList(std::make_shared<PhotoList>()),
      options{textureSize, smoothing, !currentDriverTakesAnySide()},
      window(*photoList, *this, cacheLevel),
      reporter(reporter),
      startAt(startAt) {
  if (photoDir.empty()) {
    open();
    return;
  }
  scan = std::make_unique<PhotoScan>(
      [folder = photoDir, recursive, order, startAt](PhotoList& list, const std::atomic<bool>& cancel) {
        ScanLimits limits;
        limits.cancel = &cancel;
        scanPhotoFolder(list, folder, recursive, limits);
        if (order.shuffle) shuffleList(list, startAt, order.seed);
      });
  reporter.waitStarted(window.capacity(), &scan->cancelFlag());
  waiting = true;
}

PhotoCache::~PhotoCache() {
  endWait();
  window.releaseAll();
  if (pipeline) pipeline->detachAll();
}

void PhotoCache::endWait() {
  if (waiting) reporter.waitEnded();
  waiting = false;
}

void PhotoCache::waitOpened() {
  if (scan) open();
}

void PhotoCache::open() {
  if (scan) {
    scanCancelled = scan->cancelled();
    *photoList = std::move(*scan->take());
    scan.reset();
    endWait();
  }
  if (scanCancelled) return;

  const unsigned processors = std::max(1u, std::thread::hardware_concurrency());
  const std::size_t wanted = std::min<std::size_t>(window.capacity(), photoList->size());
  std::shared_ptr<const PhotoList> list = photoList;
  const TextureOptions decodeOptions = options;
  pipeline = std::make_unique<DecodePipeline>(
      [list, decodeOptions](std::ptrdiff_t entry, TexelImage& out) {
        // Frames and the window's answers go first; decoding takes the time left over.
        SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_BELOW_NORMAL);
        const PhotoEntry& photo = *list->entries[static_cast<std::size_t>(entry)];
        return decodeTexels(decodeOptions, photo.path.c_str(), out);
      },
      photoList->size(), wanted, processors);

  if (memoryFits(options.maxSize)) {
    startsOn = window.jumpTo(startAt.empty() ? 0 : photoList->find(startAt));
  } else {
    window.stayEmpty();
    reporter.lowMemory();
  }
  startAt.clear();
}

void PhotoCache::pump() {
  if (scan) {
    if (!scan->finished() && !scan->cancelled()) return;
    open();
  }
  endWait();
  uploadsThisFrame = 0;
  if (pipeline) {
    pipeline->reap();
    // A window that does not hold the whole list is reloaded some day: decode the next one as
    // soon as this one's decodes are done.
    if (!window.wholeList()) pipeline->prefetchEarly();
  }
  window.settleReady(true);
}

bool PhotoCache::wouldWait(std::ptrdiff_t k) const {
  if (!opened() || window.holdsMember(k) || window.wholeList()) return false;
  if (!window.filling() && window.loadedSoFar() == 0) return false;  // nothing to show
  if (window.filling()) return true;
  return pipeline && !pipeline->prefetchReady();
}

std::size_t PhotoCache::loaded() {
  waitOpened();
  return window.loaded();
}

bool PhotoCache::memoryFits(uint32_t textureSize) const {
  MEMORYSTATUSEX status = {};
  status.dwLength = sizeof status;
  if (!GlobalMemoryStatusEx(&status)) return false;
  return photoWindowFits(showBytes(window.capacity(), textureSize), status.ullAvailPageFile);
}

TextureImage* PhotoCache::photo(std::ptrdiff_t index) const {
  if (index < 0 || static_cast<std::size_t>(index) >= photos.size()) return nullptr;
  return photos[static_cast<std::size_t>(index)];
}

void PhotoCache::fillStarted(const ListWalk& walk) {
  if (pipeline) pipeline->fillStarted(walk);
}

bool PhotoCache::ready() {
  // One upload per frame; the photo the show must show now is loaded whatever this says.
  return uploadsThisFrame == 0 && pipeline && pipeline->ready();
}

bool PhotoCache::loadEntry(std::ptrdiff_t entry) {
  const PhotoEntry& photo = *photoList->entries[static_cast<std::size_t>(entry)];
  if (!waiting && !pipeline->ready()) {
    // The show waits for this photo: progress, should the wait go on.
    reporter.waitStarted(window.capacity(), nullptr);
    waiting = true;
  }
  reporter.showName(photo.name.c_str());
  // Waiting in slices, so that closing Ovix does not wait for a long decode.
  while (!leaving && !pipeline->waitReady(20)) leaving = reporter.closing();

  TextureImage* image = nullptr;
  TexelImage texels;
  if (!leaving && pipeline->take(entry, texels)) image = uploadTexels(texels);
  ++uploadsThisFrame;
  if (image) {
    image->name = photo.name.c_str();
    image->entry = entry;
    photos.push_back(image);
  }
  reporter.step();
  return image != nullptr;
}

void PhotoCache::fillEnded() {
  if (pipeline) pipeline->fillEnded();
}

void PhotoCache::prefetch(const ListWalk& walk) {
  if (pipeline) pipeline->prefetch(walk);
}

void PhotoCache::releasePhotos() {
  std::vector<GLuint> textures;
  textures.reserve(photos.size());
  for (TextureImage* image : photos) {
    textures.push_back(image->texture);
    glDeleteLists(image->frameList, 1);
    glDeleteLists(image->thumbList, 1);
    delete image;
  }
  if (!textures.empty()) glDeleteTextures(static_cast<GLsizei>(textures.size()), textures.data());
  photos.clear();
}
