#pragma once
// The text of the photo info line, apart from the scene that draws it.
#include <cstddef>
#include <string>

class PhotoList;

// The line about list entry `entry` (inside the list): its place and the count ("12 / 340"),
// its name, its size in pixels as it stands upright, and the date it was taken (EXIF), else the
// file's last change. In Windows-1250, as the scene's bitmap font draws it ("?" for the rest).
// Reads the file's first bytes.
std::string photoInfoText(const PhotoList& list, std::ptrdiff_t entry);
