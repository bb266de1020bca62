#include "sources/folder_scan.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "sources/name_order.h"
#include "sources/photo_kind.h"
#include "sources/photo_list.h"

namespace {
// One entry of a listing, kept until the whole folder is listed and put in name order.
struct HeldEntry {
  std::string name;
  bool directory;
  bool reparsePoint;
  bool empty;
};

// Hands the entries of `folder` to `visit` in name order (sources/name_order.h) until it
// returns false. The listing's own order differs between file systems (FAT keeps the order
// files were written in), so the scan does not depend on it.
void listInNameOrder(FolderListing& listing, const std::string& folder, const ScanLimits& limits,
                     const std::function<bool(const ListedEntry& entry)>& visit) {
  std::vector<HeldEntry> held;
  listing.list(folder, [&](const ListedEntry& entry) {
    if (scanCancelled(limits)) return false;
    held.push_back({entry.name, entry.directory, entry.reparsePoint, entry.empty});
    return true;
  });
  const auto before = [](const HeldEntry& a, const HeldEntry& b) { return nameBefore(a.name, b.name); };
  // NTFS and Wine list in this order already; only other file systems need the sort.
  if (!std::is_sorted(held.begin(), held.end(), before)) std::sort(held.begin(), held.end(), before);
  for (const HeldEntry& entry : held)
    if (!visit({entry.name.c_str(), entry.directory, entry.reparsePoint, entry.empty})) return;
}

bool isDotEntry(const char* name) {
  return std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0;
}

void appendPhoto(PhotoList& list, const std::string& folder, const char* name, const PhotoExtensions& extensions) {
  PhotoKind kind = kindBmp;
  if (photoKind(name, extensions, &kind)) list.append(folder, name, kind);
}

void scanLevel(PhotoList& list, const std::string& folder, FolderListing& listing,
               const PhotoExtensions& extensions, const ScanLimits& limits, int depth) {
  listInNameOrder(listing, folder, limits, [&](const ListedEntry& entry) {
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
  listInNameOrder(listing, folder, limits, [&](const ListedEntry& entry) {
    if (scanCancelled(limits)) return false;
    if (!entry.directory) appendPhoto(list, folder, entry.name, extensions);
    return true;
  });
}

void scanTree(PhotoList& list, const std::string& folder, FolderListing& listing,
              const PhotoExtensions& extensions, const ScanLimits& limits) {
  scanLevel(list, folder, listing, extensions, limits, 0);
}
