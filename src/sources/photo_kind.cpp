#include "sources/photo_kind.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace {
char lowered(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }
}  // namespace

PhotoExtensions::PhotoExtensions() {
  static const std::pair<const char*, PhotoKind> own[] = {
      {"bmp", kindBmp},  {"jpg", kindJpg}, {"png", kindPng},  {"gif", kindGif},   {"tga", kindTga},
      {"jpeg", kindJpg}, {"jpe", kindJpg}, {"jfif", kindJpg}, {"tif", kindOther}, {"tiff", kindOther}};
  for (const auto& [extension, kind] : own) add(extension, kind);
}

void PhotoExtensions::add(const char* extension, PhotoKind kind) {
  if (*extension == '.') ++extension;
  if (!*extension) return;
  std::string lower(extension);
  for (char& c : lower) c = lowered(c);
  for (const Known& entry : known)
    if (entry.extension == lower) return;
  longest = std::max(longest, lower.size());
  known.push_back({std::move(lower), kind});
}

void PhotoExtensions::addList(const char* extensions, PhotoKind kind) {
  std::string one;
  for (const char* c = extensions;; ++c) {
    if (*c == ',' || *c == ';' || *c == '\0') {
      add(one.c_str(), kind);
      one.clear();
      if (*c == '\0') return;
    } else if (*c != ' ') {
      one += *c;
    }
  }
}

bool photoKind(const char* name, const PhotoExtensions& extensions, PhotoKind* kind) {
  const char* dot = std::strrchr(name, '.');
  if (!dot) return false;
  const char* extension = dot + 1;
  const size_t length = std::strlen(extension);
  if (length > extensions.longest) return false;  // cannot match, whatever its letters
  for (const PhotoExtensions::Known& entry : extensions.known) {
    if (entry.extension.size() != length) continue;
    size_t same = 0;
    while (same < length && entry.extension[same] == lowered(extension[same])) ++same;
    if (same == length) {
      if (kind) *kind = entry.kind;
      return true;
    }
  }
  return false;
}
