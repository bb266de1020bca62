#include "platform/file_access.h"

#include <dirent.h>
#include <sys/stat.h>

std::FILE* openFile(const std::string& path, const char* mode) { return std::fopen(path.c_str(), mode); }

bool makeFolder(const std::string& path) {
  struct stat status;
  return mkdir(path.c_str(), 0777) == 0 || (stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode));
}

std::vector<std::string> fileNames(const std::string& path) {
  std::vector<std::string> names;
  DIR* folder = opendir(path.c_str());
  if (!folder) return names;
  while (dirent* entry = readdir(folder)) {
    struct stat status;
    if (stat((path + "/" + entry->d_name).c_str(), &status) == 0 && !S_ISDIR(status.st_mode))
      names.push_back(entry->d_name);
  }
  closedir(folder);
  return names;
}

// rename() replaces an existing target atomically on POSIX systems.
bool replaceFile(const std::string& from, const std::string& to) { return std::rename(from.c_str(), to.c_str()) == 0; }
