#pragma once
// Photo sources on the platform's file system: the path check, the two scans and the
// shell's folder browser. The scan rules themselves live in sources/folder_scan.h.
#include <windows.h>

#include <string>

#include "sources/folder_scan.h"
#include "sources/loading_reporter.h"
#include "sources/open_request.h"
#include "sources/photo_kind.h"
#include "sources/photo_list.h"

// Directory listing through FindFirstFileW / FindNextFileW of "<folder>\*.*" (folder and names
// in UTF-8, platform/path_text.h). Symbolic links
// and junctions (and, under Wine, Unix symbolic links to folders) carry
// FILE_ATTRIBUTE_REPARSE_POINT and are reported as reparse points.
class Win32FolderListing : public FolderListing {
public:
  void list(const std::string& folder,
            const std::function<bool(const ListedEntry& entry)>& visit) override;
};

// The listing every scan of Ovix's goes through: Win32FolderListing, unless another has been
// put in its place (tests: a folder without end). A replacement must be safe on any thread and
// outlive the scans that use it; none puts the platform's back.
FolderListing& folderListing();
void replaceFolderListing(FolderListing* listing);

// checkPathWith (sources/check_path.h) against the real file system. `path` is modified in
// place and needs room for one more character than it holds (any MAX_PATH buffer does).
bool checkPath(char* path);

// The extensions that count as photos here: PhotoExtensions' own, and every extension of every
// decoder the Windows Imaging Component has installed (WebP, HEIC, AVIF, ... where Windows has
// their codecs). The decoders are asked once, on the first call (the start-up makes it); later
// calls, from any thread, return the same list.
const PhotoExtensions& installedPhotoExtensions();

// openRequestFor (sources/open_request.h) against the real file system.
OpenRequest openRequestFor(const std::string& path);

// A photo folder as the check left it: `path` is the normalised text (a photo's path gives its
// folder) whether or not it can be scanned; `usable` says whether it can.
struct CheckedFolder {
  std::string path;
  bool usable = false;
};

// Opening a photo folder in two halves, so that the scan can run on a thread of its own:
// checkPhotoFolder on the main thread checks a copy of `folder` with checkPath and reports an
// unusable one through `reporter`; the caller's text is never touched. scanPhotoFolder then
// fills `list` (with sub-folders when `recursive`): the scans of sources/folder_scan.h over
// folderListing(), with installedPhotoExtensions.
CheckedFolder checkPhotoFolder(const std::string& folder, LoadingReporter& reporter);
void scanPhotoFolder(PhotoList& list, const std::string& folder, bool recursive, const ScanLimits& limits = {});

// Shows the shell's folder browser owned by `owner`, starting at the desktop. On a chosen
// file-system folder sets `folder` to its path (UTF-8) and returns true; false when the user
// cancels or picks something that is no folder on disk.
bool browseForFolder(HWND owner, std::string& folder);
