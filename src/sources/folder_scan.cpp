#include "sources/folder_scan.h"

#include <cstring>

#include "sources/photo_kind.h"
#include "sources/photo_list.h"

namespace {
bool isDotEntry(const char* name) {
  return std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0;
}

void appendPhoto(PhotoList& list, const std::string& folder, const char* name, const PhotoExtensions& extensions) {
  PhotoKind kind = kindBmp;
  if (photoKind(name, extensions, &kind)) list.append(folder, name, kind);
}

void scanLevel(PhotoList& list, const std::string& folder, FolderListing& listing,
               const PhotoExtensions& extensions, const ScanLimits& limits, int depth) {
  listing.list(folder, [&](const ListedEntry& entry) {
    if (scanCancelled(limits)) return false;
    if (isDotEntry(entry.name)) return true;
    if (!entry.directory) {
      appendPhoto(list, folder, entry.name, extensions);
    } else if (!entry.reparsePoint && depth < limits.maxDepth) {
      std::string child;
      child.reserve(folder.size() + 1 + std::strlen(entry.name));
      child.append(folder).append(1, '\\').append(entry.name);
      scanLevel(list, child, listing, extensions, limits, depth + 1);
      return !scanCancelled(limits);  // a cancel inside ends every level above it too
    }
    return true;
  });
}
}  // namespace

bool scanCancelled(const ScanLimits& limits) {
  return limits.cancel && limits.cancel->load(std::memory_order_relaxed);
}

void scanFolder(PhotoList& list, const std::string& folder, FolderListing& listing,
                const PhotoExtensions& extensions, const ScanLimits& limits) {
  listing.list(folder, [&](const ListedEntry& entry) {
    if (scanCancelled(limits)) return false;
    if (!entry.directory) appendPhoto(list, folder, entry.name, extensions);
    return true;
  });
}

void scanTree(PhotoList& list, const std::string& folder, FolderListing& listing,
              const PhotoExtensions& extensions, const ScanLimits& limits) {
  scanLevel(list, folder, listing, extensions, limits, 0);
}
