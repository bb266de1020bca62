#include "sources/folder_scan.h"

#include <cstring>

#include "sources/photo_kind.h"
#include "sources/photo_list.h"

namespace {
bool isDotEntry(const char* name) {
  return std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0;
}
}  // namespace

void scanFolder(PhotoList& list, const std::string& folder, FolderListing& listing, const ScanLimits& limits) {
  (void)limits;
  listing.list(folder, [&](const char* name, bool directory) {
    uint32_t kind = 0;
    if (!directory && photoKind(name, &kind)) list.append(folder, name, kind);
  });
}

void scanTree(PhotoList& list, const std::string& folder, FolderListing& listing, const ScanLimits& limits) {
  listing.list(folder, [&](const char* name, bool directory) {
    if (isDotEntry(name)) return;
    if (directory) {
      std::string child;
      child.reserve(folder.size() + 1 + std::strlen(name));
      child.append(folder).append(1, '\\').append(name);
      scanTree(list, child, listing, limits);
      return;
    }
    uint32_t kind = 0;
    if (photoKind(name, &kind)) list.append(folder, name, kind);
  });
}
