#include "music/music_scan.h"

#include <windows.h>

#include "platform/path_text.h"

bool musicFolderExists(const std::string& folder) {
  WIN32_FIND_DATAW entry;
  HANDLE search = FindFirstFileW(widePath(folder + "\\*.*").c_str(), &entry);
  if (search == INVALID_HANDLE_VALUE) return false;
  FindClose(search);
  return true;
}
