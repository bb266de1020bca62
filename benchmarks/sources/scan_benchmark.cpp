// Scans a tree of 20,000 photos in 200 folders with sub-folders on and prints the time per
// scan; compare with `find <tree> -type f` on the host over the same folder.
//
//   scan_benchmark.exe [--cyrillic] [folder]
//       (default folder: <temp>\ovix-scan-tree, or <temp>\ovix-scan-tree-cyrillic, created when
//       missing; with --cyrillic every tenth photo is named in Cyrillic)
//
// Then opens the photo list window on the same tree 7 times (scan, window, first paint) and
// prints the same figures: the difference to the scan is what the window itself costs.
//
// The tree holds 200 folders of 100 empty photo files each, 10 top folders with 20 sub-folders
// apiece. Prints the best and the median of 7 scans (the first scan warms the cache too), and
// the same for a bare walk with FindFirstFileW/FindNextFileW that keeps nothing: the floor
// the platform sets. The scan takes the extensions of the decoders installed here (Wine has
// few); a second run takes them plus the 50 or so a Windows with the camera raw, HEIF, AVIF and
// WebP codecs adds, to show what a long list costs.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "dialogs/photo_list_window.h"
#include "platform/path_text.h"
#include "platform/process_window.h"
#include "sources/photo_sources.h"
#include "structure/settings.h"

namespace {
constexpr int topFolders = 10, subFolders = 20, photosPerFolder = 100;
const char* const treeExtensions[] = {"jpg", "png", "bmp", "gif", "tga"};

bool makeTree(const std::string& root, bool cyrillic) {
  if (!CreateDirectoryA(root.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) return false;
  for (int top = 0; top < topFolders; ++top) {
    std::string topFolder = root + "\\album" + std::to_string(top);
    CreateDirectoryA(topFolder.c_str(), nullptr);
    for (int sub = 0; sub < subFolders; ++sub) {
      std::string folder = topFolder + "\\day" + std::to_string(sub);
      CreateDirectoryA(folder.c_str(), nullptr);
      for (int photo = 0; photo < photosPerFolder; ++photo) {
        // "фото_N" for every tenth photo of the Cyrillic tree.
        const std::string stem = cyrillic && photo % 10 == 0 ? "\xD1\x84\xD0\xBE\xD1\x82\xD0\xBE_" : "IMG_";
        std::string path = folder + "\\" + stem + std::to_string(photo) + "." + treeExtensions[photo % 5];
        HANDLE file = CreateFileW(widePath(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        if (file == INVALID_HANDLE_VALUE) return false;
        CloseHandle(file);
      }
    }
  }
  return true;
}

// The platform's listing alone, for comparison: counts the files of the tree without keeping
// anything.
size_t bareWalk(const std::wstring& folder) {
  size_t files = 0;
  WIN32_FIND_DATAW entry;
  HANDLE search = FindFirstFileW((folder + L"\\*.*").c_str(), &entry);
  if (search == INVALID_HANDLE_VALUE) return 0;
  do {
    if (entry.cFileName[0] == L'.') continue;
    if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
      files += bareWalk(folder + L"\\" + entry.cFileName);
    else
      ++files;
  } while (FindNextFileW(search, &entry));
  FindClose(search);
  return files;
}

double seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}
}  // namespace

int main(int argc, char** argv) {
  std::string root;
  bool cyrillic = false;
  for (int i = 1; i < argc; ++i) {
    if (std::string(argv[i]) == "--cyrillic")
      cyrillic = true;
    else
      root = argv[i];
  }
  if (root.empty()) {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    root = std::string(temp) + (cyrillic ? "ovix-scan-tree-cyrillic" : "ovix-scan-tree");
  }
  const int expected = topFolders * subFolders * photosPerFolder;
  std::string probe = root + "\\album" + std::to_string(topFolders - 1) + "\\day" +
                      std::to_string(subFolders - 1) + "\\IMG_" + std::to_string(photosPerFolder - 1) + ".tga";
  if (GetFileAttributesW(widePath(probe).c_str()) == INVALID_FILE_ATTRIBUTES) {
    std::printf("creating %d photos in %d folders under %s\n", expected, topFolders * subFolders, root.c_str());
    if (!makeTree(root, cyrillic)) {
      std::printf("cannot create the tree\n");
      return 1;
    }
  }

  settings.recursive = true;
  std::vector<double> times;
  size_t found = 0;
  for (int run = 0; run < 7; ++run) {
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    PhotoList list;
    LoadingReporter quiet;
    const CheckedFolder folder = checkPhotoFolder(root, quiet);
    if (folder.usable) scanPhotoFolder(list, folder.path, settings.recursive);
    QueryPerformanceCounter(&end);
    found = list.size();
    times.push_back(seconds(start, end));
  }
  PhotoExtensions longList = installedPhotoExtensions();
  longList.addList(".webp,.heic,.heif,.hif,.avif,.jxr,.wdp,.hdp,.jxl,.dng,.3fr,.ari,.arw,.bay,.cap,.cr2,.cr3,"
                   ".crw,.dcs,.dcr,.drf,.eip,.erf,.fff,.iiq,.k25,.kdc,.mef,.mos,.mrw,.nef,.nrw,.orf,.ori,.pef,"
                   ".ptx,.pxn,.raf,.raw,.rw2,.rwl,.sr2,.srf,.srw,.x3f,.dds,.ico,.cur,.exif,.dib,.rle",
                   kindOther);
  std::vector<double> longTimes;
  for (int run = 0; run < 7; ++run) {
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    PhotoList list;
    Win32FolderListing listing;
    scanTree(list, root, listing, longList);
    QueryPerformanceCounter(&end);
    if (list.size() != found) found = 0;
    longTimes.push_back(seconds(start, end));
  }
  // The names alone against the long list: what the extension match adds to a scan.
  std::vector<std::string> names;
  for (int photo = 0; photo < expected; ++photo)
    names.push_back("IMG_" + std::to_string(photo % photosPerFolder) + "." + treeExtensions[photo % 5]);
  double matchBest = 1e9;
  size_t matched = 0;
  for (int run = 0; run < 7; ++run) {
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    matched = 0;
    PhotoKind kind = kindBmp;
    for (const std::string& name : names) matched += photoKind(name.c_str(), longList, &kind) ? 1 : 0;
    QueryPerformanceCounter(&end);
    matchBest = std::min(matchBest, seconds(start, end));
  }
  std::vector<double> bareTimes;
  for (int run = 0; run < 7; ++run) {
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    bareWalk(widePath(root));
    QueryPerformanceCounter(&end);
    bareTimes.push_back(seconds(start, end));
  }
  instance = GetModuleHandleA(nullptr);
  settings.dialogFont = GetStockObject(DEFAULT_GUI_FONT);
  std::vector<double> listTimes;
  LRESULT listed = 0;
  for (int run = 0; run < 7; ++run) {
    lstrcpynA(settings.photoDir, root.c_str(), sizeof settings.photoDir);
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    LoadingReporter quiet;
    auto* window = new PhotoListWindow(quiet);  // deletes itself with its window
    UpdateWindow(window->handle);
    QueryPerformanceCounter(&end);
    listed = SendMessageA(window->list->control, LVM_GETITEMCOUNT, 0, 0);
    DestroyWindow(window->handle);
    listTimes.push_back(seconds(start, end));
  }
  std::sort(times.begin(), times.end());
  std::sort(longTimes.begin(), longTimes.end());
  std::sort(bareTimes.begin(), bareTimes.end());
  std::sort(listTimes.begin(), listTimes.end());
  std::printf("tree %s\nphotos found %zu (expected %d)\n", root.c_str(), found, expected);
  std::printf("PhotoList scan, %2zu extensions  best %.1f ms, median %.1f ms\n", installedPhotoExtensions().size(),
              times.front() * 1000, times[times.size() / 2] * 1000);
  std::printf("PhotoList scan, %2zu extensions  best %.1f ms, median %.1f ms\n", longList.size(),
              longTimes.front() * 1000, longTimes[longTimes.size() / 2] * 1000);
  std::printf("  of which matching %zu names    best %.2f ms\n", matched, matchBest * 1000);
  std::printf("bare FindFirstFile              best %.1f ms, median %.1f ms\n", bareTimes.front() * 1000,
              bareTimes[bareTimes.size() / 2] * 1000);
  std::printf("photo list window               best %.1f ms, median %.1f ms (%ld rows)\n", listTimes.front() * 1000,
              listTimes[listTimes.size() / 2] * 1000, static_cast<long>(listed));
  return found == static_cast<size_t>(expected) && listed == expected ? 0 : 1;
}
