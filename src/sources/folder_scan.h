#pragma once
// Scanning a folder, alone or with all its sub-folders, for photo files. The listing itself
// is handed in, so the scan order rules hold for any file system (and can be checked without
// one); the Win32 overloads in sources/photo_sources.h use the platform's directory listing.
#include <atomic>
#include <functional>
#include <string>

class PhotoExtensions;
class PhotoList;

// One entry of a folder listing. The name lives only as long as the visit.
struct ListedEntry {
  const char* name;
  bool directory;
  // A symbolic link, junction or mount point. Scans never descend into one: it may lead back
  // up the tree (a loop) or out of it (a whole other drive).
  bool reparsePoint = false;
  // A file of no bytes, which is also what device files and the kernel's files under /proc
  // report: reading one may block for good.
  bool empty = false;
};

class FolderListing {
public:
  virtual ~FolderListing() = default;
  // Calls `visit` with every entry of `folder`, in the order the file system returns them,
  // until `visit` returns false. A folder that cannot be listed visits nothing. `visit` may
  // itself list other folders (the recursive scans do).
  virtual void list(const std::string& folder,
                    const std::function<bool(const ListedEntry& entry)>& visit) = 0;
};

// Bounds of a scan, so that no tree, however deep or large, holds it for long.
struct ScanLimits {
  int maxDepth = 32;                          // sub-folder levels below the start
  const std::atomic<bool>* cancel = nullptr;  // the scan stops soon after it is set
};

// True when `limits` asks the scan to stop now.
bool scanCancelled(const ScanLimits& limits);

// Both scans take each folder's entries in name order (sources/name_order.h), whatever order
// the listing gives them in. Names are UTF-8 (platform/path_text.h).

// Appends the photos of `folder` alone (files whose extension is one of `extensions`), in
// name order; directories are skipped.
void scanFolder(PhotoList& list, const std::string& folder, FolderListing& listing,
                const PhotoExtensions& extensions, const ScanLimits& limits = {});

// Appends the photos of `folder` and of its sub-folders, depth first and pre-order: each
// sub-folder is scanned at the moment the name order meets it, so its photos stand where the
// sub-folder stands among its parent's entries. "." and ".." are skipped, and so are reparse
// points and sub-folders deeper than limits.maxDepth.
void scanTree(PhotoList& list, const std::string& folder, FolderListing& listing,
              const PhotoExtensions& extensions, const ScanLimits& limits = {});
