#include <dirent.h>
#include <sys/stat.h>

#include <string>
#include <vector>

#include "structure/language.h"

namespace {
// Whether `name` ends in ".lang", letters compared without regard to case as the Windows
// pattern "*.lang" does.
bool isLanguageFile(const std::string& name) {
  static const char suffix[] = ".lang";
  if (name.size() < 5) return false;
  for (size_t i = 0; i < 5; ++i) {
    char c = name[name.size() - 5 + i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != suffix[i]) return false;
  }
  return true;
}
}  // namespace

std::vector<std::string> languageNames() {
  std::vector<std::string> names;
  DIR* folder = opendir("./languages");
  if (!folder) return names;
  while (dirent* entry = readdir(folder)) {
    std::string fileName = entry->d_name;
    if (!isLanguageFile(fileName)) continue;
    struct stat status;
    std::string path = "./languages/" + fileName;
    if (stat(path.c_str(), &status) != 0 || S_ISDIR(status.st_mode)) continue;
    // Everything from the last dot goes; a dot in the first position is not looked for.
    size_t dot = fileName.rfind('.');
    if (dot != std::string::npos && dot > 0) fileName.erase(dot);
    names.push_back(fileName);
  }
  closedir(folder);
  return names;
}
