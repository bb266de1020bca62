#include "music/music_scan.h"

#include <windows.h>

namespace {
bool isDotEntry(const char* name) {
  return name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0));
}

// Closes a file search when the scan of one folder ends.
class FindHandle {
public:
  explicit FindHandle(HANDLE search) : search(search) {}
  ~FindHandle() {
    if (valid()) FindClose(search);
  }
  FindHandle(const FindHandle&) = delete;
  FindHandle& operator=(const FindHandle&) = delete;
  bool valid() const { return search != INVALID_HANDLE_VALUE; }
  HANDLE get() const { return search; }

private:
  HANDLE search;
};
}  // namespace

bool musicFolderExists(const std::string& folder) {
  WIN32_FIND_DATAA entry;
  FindHandle search(FindFirstFileA((folder + "\\*.*").c_str(), &entry));
  return search.valid();
}

void scanMusicFolder(const std::string& folder, std::vector<std::string>& tracks) {
  WIN32_FIND_DATAA entry;
  FindHandle search(FindFirstFileA((folder + "/*.*").c_str(), &entry));
  if (!search.valid()) return;
  do {
    if (isDotEntry(entry.cFileName)) continue;
    std::string path = folder + "/" + entry.cFileName;
    if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
      scanMusicFolder(path, tracks);
    else
      tracks.push_back(std::move(path));
  } while (FindNextFileA(search.get(), &entry));
}
