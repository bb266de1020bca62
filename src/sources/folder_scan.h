#pragma once
// Scanning a folder, alone or with all its sub-folders, for photo files. The listing itself
// is handed in, so the scan order rules hold for any file system (and can be checked without
// one); the Win32 overloads in sources/photo_sources.h use the platform's directory listing.
#include <atomic>
#include <functional>
#include <string>

class PhotoList;

class FolderListing {
public:
  virtual ~FolderListing() = default;
  // Calls `visit` with the name of every entry of `folder` and whether it is a directory, in
  // the order the file system returns them. A folder that cannot be listed visits nothing.
  // `visit` may itself list other folders (the recursive scan does).
  virtual void list(const std::string& folder,
                    const std::function<void(const char* name, bool directory)>& visit) = 0;
};

// Bounds of a scan.
struct ScanLimits {
  int maxDepth = 32;                          // sub-folder levels below the start
  const std::atomic<bool>* cancel = nullptr;  // the scan stops soon after it is set
};

// Appends the photos of `folder` alone, in listing order; directories are skipped.
void scanFolder(PhotoList& list, const std::string& folder, FolderListing& listing, const ScanLimits& limits = {});

// Appends the photos of `folder` and of all its sub-folders, depth first and pre-order: each
// sub-folder is scanned at the moment the listing meets it, so its photos stand where the
// sub-folder stands among its parent's entries. "." and ".." are skipped.
void scanTree(PhotoList& list, const std::string& folder, FolderListing& listing, const ScanLimits& limits = {});
