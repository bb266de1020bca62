#pragma once
// The photos of one folder (and, when asked, its sub-folders), in scan order.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// One photo file found by a scan; owned by its PhotoList.
struct PhotoEntry {
  std::string folder;  // the folder the file was found in, spelled as the scan spelled it
  std::string path;    // folder, one backslash, name
  std::string name;    // the file name as the listing gave it
  uint32_t kind = 0;   // PhotoKind of the extension
};

class PhotoList {
public:
  // An empty list with room for 120 entries.
  PhotoList();

  // Adds a photo found in `folder`; the entry's path is folder + "\" + name.
  void append(const std::string& folder, const char* name, uint32_t kind);
  size_t size() const { return entries.size(); }

  // Entries live behind pointers so that growing the array moves no entry and pointers to
  // entries held by the show stay valid for the list's lifetime. The show's walk through them
  // is kept by its photo window.
  std::vector<std::unique_ptr<PhotoEntry>> entries;
};
