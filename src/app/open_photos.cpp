// Starting a photo show: the one road from a folder (the open dialog's, later a command line's
// or a drop's) to a running show.
#include <windows.h>

#include <new>

#include "app/logo_wheel.h"
#include "app/viewer_app.h"
#include "photos/photo_show.h"
#include "sources/photo_sources.h"
#include "sources/resume_point.h"
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
  params.shuffle = settings.shuffle;
  params.showInfo = settings.showInfo;
  params.musicDir = settings.musicDir;
  return params;
}

void ViewerApp::rememberShownPhoto() {
  if (!photoShow) return;
  const std::string relative = pathInside(settings.photoDir, photoShow->currentPath());
  if (!relative.empty()) lstrcpynA(settings.lastPhoto, relative.c_str(), sizeof settings.lastPhoto);
}

bool ViewerApp::openPhotos(const std::string& folder, const std::string& startAt) {
  rememberShownPhoto();
  delete photoShow;
  photoShow = nullptr;
  delete logoWheel;
  logoWheel = nullptr;

  const CheckedFolder checked = checkPhotoFolder(folder, loadingReports);
  ShowParams params = showParamsFrom(settings);
  params.startAt = startAt;
  if (checked.usable) {
    params.photoDir = checked.path;
    // Without a photo asked for, the folder's show goes on where its last one stopped; the
    // place of another folder's show means nothing here.
    if (startAt.empty()) params.startAt = resumePath(settings.photoDir, settings.lastPhoto, checked.path);
    if (!sameName(settings.photoDir, checked.path)) settings.lastPhoto[0] = '\0';
  }
  // The folder stored is the one opened, as the check spelled it (cut to what the setting holds).
  lstrcpynA(settings.photoDir, checked.path.c_str(), sizeof settings.photoDir);
  LARGE_INTEGER counter = {};
  QueryPerformanceCounter(&counter);
  params.shuffleSeed = static_cast<uint32_t>(counter.QuadPart ^ (counter.QuadPart >> 32));  // a new order per opening
  params.ownerWindow = handle;
  params.reporter = &loadingReports;
  photoShow = new (std::nothrow) PhotoShow(params);
  return checked.usable;
}
