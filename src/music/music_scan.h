#pragma once
// Finding the music: the folder check and the recursive scan of the music folder.
#include <string>
#include <vector>

// True when a search for "<folder>\*.*" finds anything, which every existing folder answers
// with at least its "." entry (a drive root with only files answers with a file).
bool musicFolderExists(const std::string& folder);

// Appends "<folder>/<name>" for every file under `folder`, depth first in the order the file
// search returns the entries, a sub-folder's files where the sub-folder is met. Every file is
// taken whatever its extension; the player skips the ones it cannot play. A folder that cannot
// be searched adds nothing.
void scanMusicFolder(const std::string& folder, std::vector<std::string>& tracks);
