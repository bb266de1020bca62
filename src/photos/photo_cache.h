#pragma once
// The photo show's cache: a window of photos of the folder loaded as textures, walked in
// groups of four and reloaded as a whole, forwards or backwards, when the walk leaves it.
//
// Nothing here makes the main thread (which owns the GL context and does every upload) wait
// longer than the photo it must show now takes. The folder is scanned on a thread of its own;
// pictures are decoded on worker threads, one per processor, and while the show runs the next
// window in the direction of travel is decoded ahead, so crossing into it costs only the
// uploads. A fill hands over the group's photos as soon as they are there; the rest arrive one
// upload per frame (pump). The result is the same window as loading every photo in one go.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "photos/photo_loader.h"
#include "photos/photo_window.h"
#include "photos/texture_image.h"
#include "photos/texture_options.h"
#include "sources/loading_reporter.h"
#include "sources/photo_list.h"

class DecodePipeline;
class PhotoScan;

// The order the scanned list is walked in: the scan's, or a random one (shuffleList,
// sources/photo_order.h) with the start photo first.
struct ListOrder {
  bool shuffle = false;
  uint32_t seed = 0;
};

class PhotoCache : public PhotoLoader {
public:
  // Starts scanning `photoDir` (already checked; empty leaves the cache empty), with
  // sub-folders when `recursive`, on a thread of its own, and puts the list in `order`. Once the scan is over (pump, or any
  // call that needs the photos) it checks that the window's textures and one window decoded
  // ahead fit the available memory, and loads the first window forwards from the group that
  // holds the photo at path `startAt` (the first group when empty or not found); when they do
  // not fit, `reporter` hears of it and nothing is loaded. `reporter` must outlive the cache.
  // Needs the GL context current.
  PhotoCache(const std::string& photoDir, uint32_t cacheLevel, uint32_t textureSize, bool smoothing,
             LoadingReporter& reporter, bool recursive, const std::string& startAt = {},
             const ListOrder& order = {});
  // Releases every photo (one call deletes all textures). A scan under way is stopped and
  // waited for (it stops at its next entry); decodes under way, which cannot stop half-way,
  // are left to end on their own and nothing waits for them.
  ~PhotoCache() override;
  PhotoCache(const PhotoCache&) = delete;
  PhotoCache& operator=(const PhotoCache&) = delete;

  // The per-frame share of loading, never waiting: takes over a finished scan, uploads at
  // most one photo that has been decoded meanwhile, and ends the progress of a wait.
  void pump();
  // True once the scan is over and the first window is on its way; false while scanning.
  bool opened() const { return !scan; }
  // True when the user cancelled the scan: the show should end.
  bool cancelled() const { return scanCancelled; }
  // Waits for the scan, if still under way, and opens the folder.
  void waitOpened();
  // Once opened: the start photo's member (0-3) of the group the cursor is on.
  uint32_t startMember() const { return startsOn; }

  // The window's operations (photo_window.h), answering with the photo itself: none when there
  // is no photo to show. Before the scan is over the window is empty.
  TextureImage* photoAt(uint32_t k) { return photo(window.photoAt(k)); }
  TextureImage* advance(uint32_t k) { return photo(window.advance(k)); }
  TextureImage* previewAt(uint32_t k, Direction direction) { return photo(window.previewAt(k, direction)); }
  TextureImage* thumbnailAt(uint32_t k) { return photo(window.thumbnailAt(k)); }
  uint32_t jumpTo(std::ptrdiff_t entry) { return window.jumpTo(entry); }
  void step(Direction direction) { window.step(direction); }
  // True when looking up member `k` of the current group now (k may pass 3: the groups after
  // it) would wait for a decode: it is still to come, or lies outside the window and the next
  // window's first picture is not decoded yet.
  bool wouldWait(std::ptrdiff_t k) const;
  // Photos in the window once everything has settled: waits for the scan and the whole fill.
  std::size_t loaded();
  // True when the window holds at least `count` photos; waits for the fill's photos as far as
  // needed, but not for a scan (false while scanning).
  bool holdsAtLeast(std::size_t count) { return opened() && window.loadedAtLeast(count) >= count; }

  // True when the window's textures and one window of decoded pictures (capacity x
  // textureSize² x 4 bytes each, counted in 64 bits) are less than the paging file the system
  // reports available.
  bool memoryFits(uint32_t textureSize) const;

  std::vector<TextureImage*> photos;  // the window in load order, owned
  // The scanned folder; empty until the scan is over. Shared with the decoders, which may
  // outlive the cache.
  std::shared_ptr<PhotoList> photoList;
  TextureOptions options;
  PhotoWindow window;

  // PhotoLoader: how the window's fills reach textures.
  void fillStarted(const ListWalk& walk) override;
  bool ready() override;
  bool loadEntry(std::ptrdiff_t entry) override;
  void fillEnded() override;
  void prefetch(const ListWalk& walk) override;
  void releasePhotos() override;

private:
  TextureImage* photo(std::ptrdiff_t index) const;
  // The scan is over: takes its list, checks the memory and starts the first fill.
  void open();
  void endWait();

  LoadingReporter& reporter;
  std::string startAt;  // until the folder is open
  uint32_t startsOn = 0;
  std::unique_ptr<PhotoScan> scan;  // while scanning
  bool scanCancelled = false;
  std::unique_ptr<DecodePipeline> pipeline;  // once the list is there
  bool waiting = false;  // the reporter was told of a wait that has not ended
  bool leaving = false;  // Ovix is closing: nothing more is loaded
  unsigned uploadsThisFrame = 0;
};
