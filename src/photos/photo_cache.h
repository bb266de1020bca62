#pragma once
// The photo show's cache: a window of photos of the folder loaded as textures, walked in
// groups of four and reloaded as a whole, forwards or backwards, when the walk leaves it.
//
// Loading blocks the main thread (which owns the GL context and does every upload) while a
// progress window runs on a thread of its own. The pictures of a fill are decoded ahead on
// worker threads, one per processor, so the fill takes about the time of the decodes divided
// among the processors; the result is the same as decoding them one after the other.
#include <cstdint>
#include <memory>
#include <vector>

#include "photos/photo_loader.h"
#include "photos/photo_window.h"
#include "photos/texture_image.h"
#include "photos/texture_options.h"
#include "sources/photo_list.h"

class DecodeAhead;
class ProgressWindow;

class PhotoCache : public PhotoLoader {
public:
  // Scans `photoDir` (which the path check may rewrite; an invalid path is reported to the user
  // and leaves the list empty) while a progress window shows, checks that `cacheLevel`
  // textures of `textureSize` fit the available memory, and loads the first window forwards.
  // When they do not fit, the user is warned (answering the warning ends Ovix) and nothing is
  // loaded. Needs the GL context current.
  PhotoCache(char* photoDir, uint32_t cacheLevel, uint32_t textureSize, bool smoothing);
  // Releases every photo (one call deletes all textures) and the list.
  ~PhotoCache() override;
  PhotoCache(const PhotoCache&) = delete;
  PhotoCache& operator=(const PhotoCache&) = delete;

  // The window's operations (photo_window.h), answering with the photo itself: none when there
  // is no photo to show.
  TextureImage* photoAt(uint32_t k) { return photo(window.photoAt(k)); }
  TextureImage* advance(uint32_t k) { return photo(window.advance(k)); }
  TextureImage* previewAt(uint32_t k, bool forward) { return photo(window.previewAt(k, forward)); }
  bool prevGroup() { return window.prevGroup(); }
  // The next-group move; the next advance or forward preview loads the group when it lies
  // outside the window.
  void nextGroup() { window.nextGroup(); }
  // Photos loaded in the window.
  std::size_t loaded() const { return photos.size(); }

  // Loads up to `count` photos in the given direction while the progress window shows one name
  // before each try and one bar step after it.
  void fill(uint32_t count, bool forward) { window.fill(count, forward); }
  // Deletes the lists of every photo, all their textures with one call, and empties the window.
  void releaseAll() { window.releaseAll(); }
  // True when the window's textures (capacity x textureSize² x 4 bytes, counted in 64 bits)
  // are less than the paging file the system reports available.
  bool memoryFits(uint32_t textureSize) const;

private:
  // The progress window's thread while the folder is scanned and while a fill runs.
  std::unique_ptr<class ProgressThread> progress;

public:
  std::vector<TextureImage*> photos;  // the window in load order, owned
  std::unique_ptr<PhotoList> photoList;
  TextureOptions options;
  PhotoWindow window;

  // PhotoLoader: how the window's fills reach textures.
  void fillStarted(const ListWalk& walk, bool forward) override;
  bool loadEntry(std::ptrdiff_t entry) override;
  void fillEnded() override;
  void releasePhotos() override;

private:
  TextureImage* photo(std::ptrdiff_t index) const;

  std::unique_ptr<DecodeAhead> decoder;  // during a fill
};
