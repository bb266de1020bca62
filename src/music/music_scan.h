#pragma once
// Finding the music: the folder check and the recursive scan of the music folder.
#include <cstddef>
#include <string>
#include <vector>

#include "sources/folder_scan.h"

// The most tracks a playlist takes. The scan stops there, so a music folder such as a drive
// root ends in moments instead of walking the whole disk.
constexpr size_t maxMusicTracks = 10000;

// True when a search for "<folder>\*.*" finds anything, which every existing folder answers
// with at least its "." entry (a drive root with only files answers with a file). Win32.
bool musicFolderExists(const std::string& folder);

// Appends "<folder>/<name>" for every file under `folder`, depth first in the order the listing
// returns the entries, a sub-folder's files where the sub-folder is met. Every file is taken
// whatever its extension (the player skips the ones it cannot play) except empty ones, which
// hold no music and may be devices whose reading never ends. Reparse points and
// sub-folders deeper than limits.maxDepth are not entered; the scan ends once `tracks` holds
// `maxTracks` or the cancel flag is set. A folder that cannot be listed adds nothing.
void scanMusicFolder(const std::string& folder, FolderListing& listing,
                     std::vector<std::string>& tracks, const ScanLimits& limits = {},
                     size_t maxTracks = maxMusicTracks);
