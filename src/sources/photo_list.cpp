#include "sources/photo_list.h"

PhotoList::PhotoList() { entries.reserve(120); }

void PhotoList::append(const std::string& folder, const char* name, uint32_t kind) {
  auto entry = std::make_unique<PhotoEntry>();
  entry->folder = folder;
  entry->path.reserve(folder.size() + 1 + std::char_traits<char>::length(name));
  entry->path.append(folder).append(1, '\\').append(name);
  entry->name = name;
  entry->kind = kind;
  entries.push_back(std::move(entry));  // the vector doubles its capacity when full
}

