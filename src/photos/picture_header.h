#pragma once
// What the first bytes of a picture file tell before anything decodes it: its format, its
// size and (JPEG) its EXIF orientation and date taken. Platform-free and bounds-checked everywhere, since its
// input comes straight from files.
#include <cstddef>
#include <cstdint>
#include <string>

enum class PictureFormat { unknown, jpeg, png, bmp, gif };

struct PictureHeader {
  PictureFormat format = PictureFormat::unknown;
  uint32_t width = 0, height = 0;  // as stored; 0 when the bytes do not tell
  int orientation = 1;             // EXIF orientation 1-8 (exif_orientation.h); 1 when none
  std::string dateTaken;           // JPEG: EXIF "YYYY:MM:DD HH:MM:SS" (exif_orientation.h), else empty
};

// How many bytes of a file's start readPictureHeader wants: room for the segments a JPEG keeps
// before its frame header (Exif, colour profile).
constexpr size_t pictureHeaderBytes = 256 * 1024;

// Reads the header from the first `size` bytes of a file (all of it, or at least
// pictureHeaderBytes). A broken or cut-off header leaves the fields it could not read at
// their defaults; it never fails.
PictureHeader readPictureHeader(const uint8_t* data, size_t size);

// Pictures above this many pixels are refused before decoding: a decoded 100-megapixel photo
// alone takes 400 MB, far beyond what the texture it becomes needs.
constexpr uint64_t pictureSizeLimit = 100000000;
inline bool exceedsPictureSizeLimit(uint64_t width, uint64_t height) {
  return width * height > pictureSizeLimit;
}
