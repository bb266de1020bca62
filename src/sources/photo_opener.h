#pragma once
// Starting a photo show, for whatever starts one: the open photos dialog, the command line, a
// drop on the main window, switching random order. The application implements it; callers know
// only this.
#include <string>

class PhotoOpener {
public:
  virtual ~PhotoOpener() = default;

  // Replaces the running show (and the idle logo) by a new show of `folder`, as the settings
  // say (sub-folders, cache, effect, music), and stores the folder as the check spelled it as
  // the settings' photo folder. `startAt` is the path of the photo to start at; empty starts
  // where the last show of the same folder stood ("last_photo"); a path the folder's scan does
  // not find starts at the first photo. With random order on, the start photo comes first and
  // the rest are shuffled. A folder that cannot be scanned is reported to the user and gives a
  // show with nothing to show; false then.
  virtual bool openPhotos(const std::string& folder, const std::string& startAt) = 0;
};
