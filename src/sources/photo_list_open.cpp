// Opening a photo folder: check and report on the main thread, scan wherever the caller likes.
#include "sources/photo_sources.h"

bool checkPhotoFolder(char* folderPath, LoadingReporter& reporter) {
  if (checkPath(folderPath)) return true;
  reporter.badPath(folderPath);
  return false;
}

void scanPhotoFolder(PhotoList& list, const std::string& folder, bool recursive, const ScanLimits& limits) {
  if (recursive)
    scanTree(list, folder, folderListing(), limits);
  else
    scanFolder(list, folder, folderListing(), limits);
  list.finishScan();
}
