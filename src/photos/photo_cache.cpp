#include "photos/photo_cache.h"

#include <windows.h>
#include <commctrl.h>
#include <GL/gl.h>

#include <thread>

#include "app/viewer_app.h"
#include "dialogs/progress_window.h"
#include "photos/decode_ahead.h"
#include "photos/memory_warning.h"
#include "photos/photo_memory.h"
#include "photos/progress_thread.h"

namespace {
bool decodesAsPhoto(uint32_t kind) { return kind == kindBmp || kind == kindJpg || kind == kindPng; }
}  // namespace

PhotoCache::PhotoCache(char* photoDir, uint32_t cacheLevel, uint32_t textureSize, bool smoothing)
    : progress(std::make_unique<ProgressThread>(cacheLevel)),
      photoList(std::make_unique<PhotoList>(photoDir)),
      options{textureSize, smoothing},
      window(*photoList, *this, cacheLevel) {
  const bool fits = memoryFits(textureSize);
  progress.reset();  // the scan's progress window goes; the fill shows its own
  if (fits) {
    fill(window.capacity, true);
  } else {
    warnOutOfMemory();
  }
  window.countGroups();
}

PhotoCache::~PhotoCache() { releaseAll(); }

bool PhotoCache::memoryFits(uint32_t textureSize) const {
  MEMORYSTATUSEX status = {};
  status.dwLength = sizeof status;
  if (!GlobalMemoryStatusEx(&status)) return false;
  return photoWindowFits(photoWindowBytes(window.capacity, textureSize), status.ullAvailPageFile);
}

TextureImage* PhotoCache::photo(std::ptrdiff_t index) const {
  if (index < 0 || static_cast<std::size_t>(index) >= photos.size()) return nullptr;
  return photos[static_cast<std::size_t>(index)];
}

void PhotoCache::fillStarted(const ListWalk& walk, bool forward) {
  progress = std::make_unique<ProgressThread>(window.capacity);
  const unsigned processors = std::max(1u, std::thread::hardware_concurrency());
  const std::size_t wanted = std::min<std::size_t>(window.capacity, photoList->size());
  const TextureOptions decodeOptions = options;
  const PhotoList* list = photoList.get();
  decoder = std::make_unique<DecodeAhead>(
      walk, forward, photoList->size(), wanted, processors, 2 * processors,
      [list, decodeOptions](std::ptrdiff_t entry, TexelImage& out) {
        const PhotoEntry& photo = *list->entries[static_cast<std::size_t>(entry)];
        // gif and tga never load as photos, and their files are not even opened.
        return decodesAsPhoto(photo.kind) && decodeTexels(decodeOptions, photo.path.c_str(), out);
      });
}

bool PhotoCache::loadEntry(std::ptrdiff_t entry) {
  const PhotoEntry& photo = *photoList->entries[static_cast<std::size_t>(entry)];
  ProgressWindow* window = progress ? progress->window() : nullptr;
  if (window) window->setStatus(photo.name.c_str());

  TextureImage* image = nullptr;
  TexelImage texels;
  const bool decoded = decoder ? decoder->take(entry, texels)
                               : decodesAsPhoto(photo.kind) && decodeTexels(options, photo.path.c_str(), texels);
  if (decoded) image = uploadTexels(texels);
  if (image) {
    image->name = photo.name.c_str();
    photos.push_back(image);
  }
  if (window) PostMessageA(window->bar, PBM_STEPIT, 0, 0);
  return image != nullptr;
}

void PhotoCache::fillEnded() {
  decoder.reset();
  progress.reset();
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
