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
  // Puts the cursor on the first entry and sets both flags; called once the scan has ended.
  void finishScan();
  size_t size() const { return entries.size(); }
  // The index of the entry whose path is `path`, compared as Windows compares names (A-Z case
  // and "/" against "\" do not matter); -1 when no entry has it.
  std::ptrdiff_t find(const std::string& path) const;

  // Entries live behind pointers so that growing the array moves no entry and pointers to
  // entries held by the show stay valid for the list's lifetime.
  std::vector<std::unique_ptr<PhotoEntry>> entries;
  // Positions are indices into `entries`; signed, because the show's walk may step in front of
  // listBegin before it wraps.
  std::ptrdiff_t cursor = 0;
  std::ptrdiff_t listBegin = 0;
  std::ptrdiff_t listEnd = 0;
  bool fresh = true;            // the entry at `cursor` has not been handed out yet
  bool lastStepForward = true;  // the show's last step through the list went forward
};
