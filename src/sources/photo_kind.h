#pragma once
// Which files count as photos: the image kind named by a file's extension.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Image kinds: the five extensions "bmp", "jpg", "png", "gif", "tga" in this order, then every
// other format the system's decoders read.
enum PhotoKind : uint32_t { kindBmp = 0, kindJpg = 1, kindPng = 2, kindGif = 3, kindTga = 4, kindOther = 5 };

// The file extensions that count as photos, each with its kind. Platform-free: the Win32 side
// adds what the installed decoders read (installedPhotoExtensions, photo_sources.h).
class PhotoExtensions {
public:
  // The five extensions of the kinds above, plus the other names of JPEG ("jpeg", "jpe",
  // "jfif") and of TIFF ("tif", "tiff"), which are photos even where no decoder says so.
  PhotoExtensions();

  // Adds `extension` (one leading dot or none; compared without regard to A-Z case) with
  // `kind`. One already known keeps its first kind; an empty one is ignored.
  void add(const char* extension, PhotoKind kind);
  // Adds each extension of a list separated by commas or semicolons (".jpeg,.jpe,.jpg", as
  // decoders describe themselves), all with `kind`.
  void addList(const char* extensions, PhotoKind kind);

  size_t size() const { return known.size(); }

private:
  friend bool photoKind(const char* name, const PhotoExtensions& extensions, PhotoKind* kind);

  struct Known {
    std::string extension;  // lower case, without the dot
    PhotoKind kind;
  };
  std::vector<Known> known;
  size_t longest = 0;  // characters of the longest extension: anything longer is no photo
};

// True when the text after the last dot of `name` is one of `extensions` (any length, A-Z case
// ignored); `kind` (when given) then receives its kind. A name without a dot is no photo, and
// neither is a name whose last extension is unknown ("photo.jpg.txt"); `kind` is then left
// untouched.
bool photoKind(const char* name, const PhotoExtensions& extensions, PhotoKind* kind);
