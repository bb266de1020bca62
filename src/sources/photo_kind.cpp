#include "sources/photo_kind.h"

#include <cstring>

bool photoKind(const char* name, PhotoKind* kind) {
  static const char* const extensions[] = {"bmp", "jpg", "png", "gif", "tga"};
  const char* dot = std::strrchr(name, '.');
  if (!dot) return false;
  const char* extension = dot + 1;
  if (std::strlen(extension) != 3) return false;
  char lowered[4] = {};
  for (int i = 0; i < 3; ++i) {
    char c = extension[i];
    lowered[i] = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
  }
  for (uint32_t k = 0; k < 5; ++k) {
    if (std::memcmp(lowered, extensions[k], 4) == 0) {
      if (kind) *kind = static_cast<PhotoKind>(k);
      return true;
    }
  }
  return false;
}
