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

// Everything from the last dot goes; a dot in the first position is not looked for.
std::string languageName(std::string fileName) {
  const size_t dot = fileName.rfind('.');
  if (dot != std::string::npos && dot > 0) fileName.erase(dot);
  return fileName;
}
}  // namespace

#ifdef _WIN32
// The wide listing: the narrow one resolves "." through the ANSI code page and finds nothing in a
// program folder named outside it. Language names are Ovix's own ASCII; any other name is left out.
std::vector<std::string> languageNames() {
  std::vector<std::string> names;
  _WDIR* folder = _wopendir(L"./languages");
  if (!folder) return names;
  while (_wdirent* entry = _wreaddir(folder)) {
    std::string fileName;
    for (const wchar_t* c = entry->d_name; *c && fileName.size() < 256; ++c)
      fileName += *c < 0x80 ? static_cast<char>(*c) : '\0';
    if (fileName.find('\0') != std::string::npos || !isLanguageFile(fileName)) continue;
    struct _stat status;
    const std::wstring path = L"./languages/" + std::wstring(entry->d_name);
    if (_wstat(path.c_str(), &status) != 0 || (status.st_mode & _S_IFDIR)) continue;
    names.push_back(languageName(fileName));
  }
  _wclosedir(folder);
  return names;
}
#else
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
    names.push_back(languageName(fileName));
  }
  closedir(folder);
  return names;
}
#endif
