// The music folder's recursive scan over any folder listing.
#include <cstring>

#include "music/music_scan.h"

namespace {
bool isDotEntry(const char* name) {
  return name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0));
}

void scanLevel(const std::string& folder, FolderListing& listing, std::vector<std::string>& tracks,
               const ScanLimits& limits, size_t maxTracks, int depth) {
  listing.list(folder, [&](const ListedEntry& entry) {
    if (tracks.size() >= maxTracks || scanCancelled(limits)) return false;
    if (isDotEntry(entry.name)) return true;
    std::string path;
    path.reserve(folder.size() + 1 + std::strlen(entry.name));
    path.append(folder).append(1, '/').append(entry.name);
    if (!entry.directory) {
      if (!entry.empty) tracks.push_back(std::move(path));  // no music, and perhaps a device
    } else if (!entry.reparsePoint && depth < limits.maxDepth) {
      scanLevel(path, listing, tracks, limits, maxTracks, depth + 1);
    }
    // A full playlist or a cancel inside the sub-folder ends every level above it too.
    return tracks.size() < maxTracks && !scanCancelled(limits);
  });
}
}  // namespace

void scanMusicFolder(const std::string& folder, FolderListing& listing,
                     std::vector<std::string>& tracks, const ScanLimits& limits,
                     size_t maxTracks) {
  scanLevel(folder, listing, tracks, limits, maxTracks, 0);
}
