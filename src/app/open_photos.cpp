// Starting a photo show: the one road from a folder (the open dialog's, later a command line's
// or a drop's) to a running show.
#include <windows.h>

#include <new>

#include "app/logo_wheel.h"
#include "app/viewer_app.h"
#include "photos/photo_show.h"
#include "sources/photo_sources.h"
#include "structure/settings.h"

ShowParams showParamsFrom(const Settings& settings) {
  ShowParams params;
  params.cacheLevel = static_cast<uint32_t>(settings.cacheLevel);
  params.textureSize = static_cast<uint32_t>(settings.textureSize);
  params.flipTime = static_cast<uint32_t>(settings.flipTime);
  params.effectId = settings.effect;
  params.musicOn = settings.music;
  params.smoothing = settings.smoothing;
  params.showNames = settings.photoNames;
  params.recursive = settings.recursive;
  params.musicDir = settings.musicDir;
  return params;
}

bool ViewerApp::openPhotos(const std::string& folder, const std::string& startAt) {
  delete photoShow;
  photoShow = nullptr;
  delete logoWheel;
  logoWheel = nullptr;

  const CheckedFolder checked = checkPhotoFolder(folder, loadingReports);
  // The folder stored is the one opened, as the check spelled it (cut to what the setting holds).
  lstrcpynA(settings.photoDir, checked.path.c_str(), sizeof settings.photoDir);

  ShowParams params = showParamsFrom(settings);
  if (checked.usable) params.photoDir = checked.path;
  params.startAt = startAt;
  params.ownerWindow = handle;
  params.reporter = &loadingReports;
  photoShow = new (std::nothrow) PhotoShow(params);
  return checked.usable;
}
