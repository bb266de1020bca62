#pragma once
// What the creator of a photo show hands it; the show copies what it keeps.
#include <windows.h>

#include <cstdint>
#include <string>

class LoadingReporter;

struct ShowParams {
  uint32_t cacheLevel = 0;   // photos kept loaded
  uint32_t textureSize = 0;  // texture size limit in texels
  uint32_t flipTime = 0;     // slide interval in timer ticks
  int32_t effectId = 0;      // transition effect identifier (effect.h)
  bool musicOn = false;      // start the music player
  bool smoothing = false;    // average texels when reducing
  bool showNames = false;    // photo names as the thumbnails' tooltips
  bool recursive = false;    // the photo folder's sub-folders count too
  // Folder of photos, already checked (checkPhotoFolder, sources/photo_sources.h); empty for a
  // show with nothing to show.
  std::string photoDir;
  // The photo the show starts at: its path as the folder's scan spells it (compared as Windows
  // compares names). Empty, or a path the scan did not find, starts at the first photo.
  std::string startAt;
  std::string musicDir;         // folder of music
  HWND ownerWindow = nullptr;   // the main window: tooltips and message boxes
  // Where loading reports progress and low memory; must outlive the show. With none, nothing
  // is reported and the folder is scanned before the show's constructor returns.
  LoadingReporter* reporter = nullptr;
  bool shuffle = false;        // walk the folder in a random order drawn from shuffleSeed
  uint32_t shuffleSeed = 0;
  bool showInfo = false;       // the photo info line under the film strip
};
