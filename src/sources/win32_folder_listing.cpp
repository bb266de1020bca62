#include "sources/photo_sources.h"

#include <atomic>

#include "platform/path_text.h"
#include "sources/check_path.h"

namespace {
// Answers the path check from the platform's file attributes and directory listing. The check
// has refused wildcards already, so the listing's pattern is the folder and "*.*" alone.
class Win32PathProbe : public PathProbe {
public:
  bool namesFile(const char* path) override {
    DWORD attributes = GetFileAttributesW(widePath(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
  }
  bool listsAsFolder(const char* path) override {
    WIN32_FIND_DATAW entry;
    HANDLE search = FindFirstFileW(widePath(std::string(path) + "\\*.*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) return false;
    FindClose(search);
    return (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  }
};
}  // namespace

void Win32FolderListing::list(const std::string& folder,
                              const std::function<bool(const ListedEntry& entry)>& visit) {
  std::string pattern;
  pattern.reserve(folder.size() + 4);
  pattern.append(folder).append("\\*.*");
  WIN32_FIND_DATAW entry;
  // The basic level skips the short 8.3 names, which the scan never uses and which cost Wine
  // a name generation per file; the large fetch reads the folder in fewer, bigger batches.
  HANDLE search = FindFirstFileExW(widePath(pattern).c_str(), FindExInfoBasic, &entry, FindExSearchNameMatch,
                                   nullptr, FIND_FIRST_EX_LARGE_FETCH);
  if (search == INVALID_HANDLE_VALUE) return;
  std::string name;
  do {
    name = utf8FromWide(entry.cFileName);
    const bool directory = (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    const ListedEntry listed{name.c_str(), directory, (entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0,
                             !directory && entry.nFileSizeLow == 0 && entry.nFileSizeHigh == 0};
    if (!visit(listed)) break;
  } while (FindNextFileW(search, &entry));
  FindClose(search);
}

OpenRequest openRequestFor(const std::string& path) {
  Win32PathProbe probe;
  return openRequestFor(path, probe);
}

namespace {
std::atomic<FolderListing*> replacement{nullptr};
}  // namespace

FolderListing& folderListing() {
  static Win32FolderListing platform;
  FolderListing* replaced = replacement.load();
  return replaced ? *replaced : platform;
}

void replaceFolderListing(FolderListing* listing) { replacement.store(listing); }

bool checkPath(char* path) {
  Win32PathProbe probe;
  return checkPathWith(path, probe);
}
