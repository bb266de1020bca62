#include "sources/photo_list.h"

namespace {
char folded(char c) {
  if (c == '/') return '\\';
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}
}  // namespace

bool sameName(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (folded(a[i]) != folded(b[i])) return false;
  return true;
}

PhotoList::PhotoList() { entries.reserve(120); }

void PhotoList::append(const std::string& folder, const char* name, PhotoKind kind) {
  auto entry = std::make_unique<PhotoEntry>();
  entry->folder = folder;
  entry->path.reserve(folder.size() + 1 + std::char_traits<char>::length(name));
  entry->path.append(folder).append(1, '\\').append(name);
  entry->name = name;
  entry->kind = kind;
  entries.push_back(std::move(entry));  // the vector doubles its capacity when full
}

std::ptrdiff_t PhotoList::find(const std::string& path) const {
  for (std::size_t i = 0; i < entries.size(); ++i)
    if (sameName(entries[i]->path, path)) return static_cast<std::ptrdiff_t>(i);
  return -1;
}
