#include <string>
#include <vector>

#include "platform/file_access.h"
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

std::vector<std::string> languageNames() {
  std::vector<std::string> names;
  for (const std::string& fileName : fileNames("./languages"))
    if (isLanguageFile(fileName)) names.push_back(languageName(fileName));
  return names;
}
