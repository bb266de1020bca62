#pragma once
// What the creator of a photo show hands it. The show reads the record during its construction
// only; the two folder texts are not copied and must live that long.
#include <windows.h>

#include <cstdint>

class LoadingReporter;

struct ShowParams {
  uint32_t cacheLevel = 0;   // photos kept loaded
  uint32_t textureSize = 0;  // texture size limit in texels
  uint32_t flipTime = 0;     // slide interval in timer ticks
  int32_t effectId = 0;      // transition effect identifier (effect.h)
  bool musicOn = false;      // start the music player
  bool smoothing = false;    // average texels when reducing
  bool showNames = false;    // photo names as the thumbnails' tooltips
  // Folder of photos. The folder check may rewrite the text in place, so it needs room for one
  // more character than it holds (the settings' 256-byte field does).
  char* photoDir = nullptr;
  const char* musicDir = nullptr;  // folder of music
  HWND ownerWindow = nullptr;      // the main window: tooltips and message boxes
  // Where loading reports progress, a bad path and low memory; must outlive the show. With
  // none, nothing is reported and the folder is scanned before the show's constructor returns.
  LoadingReporter* reporter = nullptr;
};
