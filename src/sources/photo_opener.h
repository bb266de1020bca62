#pragma once
// Starting a photo show, for the windows that start one (the open photos dialog today; the
// command line, a drop and a resume use the same). The application implements it; callers know
// only this.
#include <string>

class PhotoOpener {
public:
  virtual ~PhotoOpener() = default;

  // Replaces the running show (and the idle logo) by a new show of `folder`, as the settings
  // say (sub-folders, cache, effect, music), and stores the folder as the check spelled it as
  // the settings' photo folder. `startAt` is the path of the photo to start at (a path the
  // folder's scan did not find, or empty, starts at the first photo). A folder that cannot be
  // scanned is reported to the user and gives a show with nothing to show; false then.
  virtual bool openPhotos(const std::string& folder, const std::string& startAt) = 0;
};
