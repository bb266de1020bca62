#include "sources/photo_sources.h"

#include <atomic>

#include "sources/check_path.h"

namespace {
// Answers the path check from the platform's file attributes and directory listing.
class Win32PathProbe : public PathProbe {
public:
  bool namesFile(const char* path) override {
    DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
  }
  bool listsAsFolder(const char* path) override {
    std::string pattern = std::string(path) + "\\*.*";
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA(pattern.c_str(), &entry);
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
  WIN32_FIND_DATAA entry;
  // The basic level skips the short 8.3 names, which the scan never uses and which cost Wine
  // a name generation per file; the large fetch reads the folder in fewer, bigger batches.
  HANDLE search = FindFirstFileExA(pattern.c_str(), FindExInfoBasic, &entry, FindExSearchNameMatch,
                                   nullptr, FIND_FIRST_EX_LARGE_FETCH);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    const bool directory = (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    const ListedEntry listed{entry.cFileName, directory, (entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0,
                             !directory && entry.nFileSizeLow == 0 && entry.nFileSizeHigh == 0};
    if (!visit(listed)) break;
  } while (FindNextFileA(search, &entry));
  FindClose(search);
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

void scanFolder(PhotoList& list, const char* folder, const ScanLimits& limits) {
  scanFolder(list, std::string(folder), folderListing(), installedPhotoExtensions(), limits);
}

void scanTree(PhotoList& list, const char* folder, const ScanLimits& limits) {
  scanTree(list, std::string(folder), folderListing(), installedPhotoExtensions(), limits);
}
