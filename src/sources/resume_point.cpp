#include "sources/resume_point.h"

#include "sources/photo_list.h"

namespace {
bool isSeparator(char c) { return c == '\\' || c == '/'; }

// `folder` without a separator at its end ("C:\" is a root whose paths read "C:\x.jpg").
std::string trimmed(const std::string& folder) {
  std::string text = folder;
  while (!text.empty() && isSeparator(text.back())) text.pop_back();
  return text;
}

bool climbsOut(const std::string& relative) {
  if (relative.empty() || isSeparator(relative[0]) || relative.find(':') != std::string::npos) return true;
  std::size_t begin = 0;
  while (begin <= relative.size()) {
    std::size_t end = relative.find_first_of("\\/", begin);
    if (end == std::string::npos) end = relative.size();
    if (relative.compare(begin, end - begin, "..") == 0) return true;
    begin = end + 1;
  }
  return false;
}
}  // namespace

std::string pathInside(const std::string& folder, const std::string& photo) {
  const std::string base = trimmed(folder);
  if (base.empty() || photo.size() <= base.size() + 1 || !isSeparator(photo[base.size()]) ||
      !sameName(photo.substr(0, base.size()), base))
    return "";
  return photo.substr(base.size() + 1);
}

std::string resumePath(const std::string& stored, const std::string& relative, const std::string& opened) {
  const std::string folder = trimmed(stored);
  if (folder.empty() || !sameName(folder, trimmed(opened)) || climbsOut(relative)) return "";
  return folder + "\\" + relative;
}
