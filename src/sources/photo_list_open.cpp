// Opening a photo folder: check and report on the main thread, scan wherever the caller likes.
#include "sources/photo_sources.h"

bool checkPhotoFolder(char* folderPath, LoadingReporter& reporter) {
  if (checkPath(folderPath)) return true;
  reporter.badPath(folderPath);
  return false;
}

void scanPhotoFolder(PhotoList& list, const std::string& folder, bool recursive, const ScanLimits& limits) {
  Win32FolderListing listing;
  if (recursive)
    scanTree(list, folder, listing, limits);
  else
    scanFolder(list, folder, listing, limits);
}
