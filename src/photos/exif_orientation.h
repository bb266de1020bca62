#pragma once
// What a photo's EXIF block tells Ovix: the orientation (how the stored pixels must be turned
// to stand upright) and the date the photo was taken.
// Platform-free and bounds-checked everywhere, since its input comes straight from files.
#include <cstddef>
#include <cstdint>
#include <string>

// EXIF orientation values (tag 274). Upright picture = stored picture turned so:
//   1 as stored        2 mirrored left-right     3 turned half round   4 mirrored top-bottom
//   5 mirrored along the main diagonal (transposed)                    6 turned a quarter clockwise
//   7 mirrored along the other diagonal                                8 turned a quarter anticlockwise
// Orientations 5 to 8 swap width and height.
enum { orientationAsStored = 1, orientationLast = 8 };

// True when the orientation swaps the picture's width and height.
inline bool swapsSides(int orientation) { return orientation >= 5 && orientation <= 8; }

// The orientation that the TIFF block `tiff` (the body of an Exif APP1 segment after
// "Exif\0\0") gives in its first directory, either byte order. A missing, malformed or
// out-of-range tag, or a block too short for what it points at, gives orientationAsStored.
int tiffOrientation(const uint8_t* tiff, size_t size);

// The date the photo was taken (DateTimeOriginal in the Exif directory that the TIFF block's
// first directory points to), as the camera wrote it: "YYYY:MM:DD HH:MM:SS". Empty when the
// block has none, or a malformed one (blank or zero dates of cameras without a clock too).
std::string tiffDateTaken(const uint8_t* tiff, size_t size);
