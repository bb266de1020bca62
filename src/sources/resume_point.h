#pragma once
// Going on where the last show stopped: the photo shown at shut-down is stored relative to the
// photo folder, so the record survives the folder's being moved or its drive letter changing.
// Platform-free.
#include <string>

// `photo`'s path below `folder` ("2023\\beach.jpg"); empty when it does not lie inside it.
// Names compare as Windows compares them (sameName).
std::string pathInside(const std::string& folder, const std::string& photo);

// The photo to start the show of `opened` at: `stored` + "\" + `relative` when `opened` is the
// folder the record belongs to (`stored`) and `relative` stays below it. Empty (the first
// photo) otherwise, also for a relative path that is absolute or climbs out with "..", which
// only a hand-edited file holds. The scan decides whether the photo still exists.
std::string resumePath(const std::string& stored, const std::string& relative, const std::string& opened);
