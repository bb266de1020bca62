#pragma once
// The photos of one folder (and, when asked, its sub-folders), in scan order.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "sources/photo_kind.h"

// One photo file found by a scan; owned by its PhotoList.
struct PhotoEntry {
  std::string folder;  // the folder the file was found in, spelled as the scan spelled it
  std::string path;    // folder, one backslash, name
  std::string name;    // the file name as the listing gave it
  PhotoKind kind = kindBmp;  // the kind its extension names
};

// True when `a` and `b` name the same file as Windows compares names: A-Z case and "/" against
// "\" do not matter.
bool sameName(const std::string& a, const std::string& b);

class PhotoList {
public:
  // An empty list with room for 120 entries.
  PhotoList();

  // Adds a photo found in `folder`; the entry's path is folder + "\" + name.
  void append(const std::string& folder, const char* name, PhotoKind kind);
  size_t size() const { return entries.size(); }
  // The index of the entry whose path is `path`, compared as Windows compares names (A-Z case
  // and "/" against "\" do not matter); -1 when no entry has it.
  std::ptrdiff_t find(const std::string& path) const;

  // Entries live behind pointers so that growing the array moves no entry and pointers to
  // entries held by the show stay valid for the list's lifetime. The show's walk through them
  // is kept by its photo window.
  std::vector<std::unique_ptr<PhotoEntry>> entries;
};
