// Opening a photo folder: check and report on the main thread, scan wherever the caller likes.
#include "sources/photo_sources.h"

#include <algorithm>
#include <vector>

CheckedFolder checkPhotoFolder(const std::string& folder, LoadingReporter& reporter) {
  // The check may add one "\" after a bare drive: room for it and the terminator.
  std::vector<char> text(std::max<std::size_t>(folder.size() + 2, 4), '\0');
  folder.copy(text.data(), folder.size());
  CheckedFolder checked;
  checked.usable = checkPath(text.data());
  checked.path = text.data();
  if (!checked.usable) reporter.badPath(checked.path.c_str());
  return checked;
}

void scanPhotoFolder(PhotoList& list, const std::string& folder, bool recursive, const ScanLimits& limits) {
  if (recursive)
    scanTree(list, folder, folderListing(), installedPhotoExtensions(), limits);
  else
    scanFolder(list, folder, folderListing(), installedPhotoExtensions(), limits);
}
