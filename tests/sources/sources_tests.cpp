// Photo sources without a file system: which names are photos, how a folder path is checked
// and normalised, and in which order a folder tree is scanned.
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "sources/check_path.h"
#include "sources/folder_scan.h"
#include "sources/photo_kind.h"
#include "sources/photo_list.h"

namespace {

TEST(PhotoKind, AcceptsTheFiveExtensionsInAnyCaseAndNothingElse) {
  struct Case {
    const char* name;
    bool photo;
    uint32_t kind;
  };
  const Case cases[] = {
      {"a.bmp", true, 0},     {"IMG_0001.JPG", true, 1}, {"x.Png", true, 2},
      {"a.b.gif", true, 3},   {"t.tga", true, 4},        {".jpg", true, 1},
      {"a.jpeg", false, 0},   {"a.tif", false, 0},       {"jpg", false, 0},
      {"a.jpg.txt", false, 0}, {"a.", false, 0},         {"a.jp", false, 0},
      {"photo.jpgx", false, 0}, {"a.JPg", true, 1},      {"dir.jpg\\file", false, 0},
  };
  for (const Case& c : cases) {
    uint32_t kind = 99;
    EXPECT_EQ(photoKind(c.name, &kind), c.photo) << c.name;
    EXPECT_EQ(kind, c.photo ? c.kind : 99u) << c.name;
  }
}

// A file system of named files and folders; counts the folder listings the check asks for.
class FakeProbe : public PathProbe {
public:
  std::set<std::string> files, folders;
  int listings = 0;
  bool namesFile(const char* path) override { return files.count(path) > 0; }
  bool listsAsFolder(const char* path) override {
    ++listings;
    return folders.count(path) > 0;
  }
};

TEST(CheckPath, NormalisesAndValidates) {
  FakeProbe probe;
  probe.folders = {"C:\\Photos", "C:\\My.Photos\\2007", "D:\\a\\b.c\\d", "C:\\My.Photos"};
  probe.files = {"C:\\Photos\\a.jpg", "C:\\top.png", "C:\\Photos\\README"};
  struct Case {
    const char* input;
    bool valid;
    const char* result;  // the text afterwards
  };
  const Case cases[] = {
      {"C:\\Photos", true, "C:\\Photos"},
      {"C:\\Photos\\", true, "C:\\Photos"},                 // one trailing backslash goes
      {"C:/Photos/", true, "C:\\Photos"},                   // slashes become backslashes
      {"C:\\Photos\\a.jpg", true, "C:\\Photos"},            // a file gives its folder
      {"C:\\Photos\\README", true, "C:\\Photos"},           // ... with or without a dot
      {"C:\\top.png", true, "C:\\"},                        // a file in a drive root
      {"C:\\My.Photos\\2007", true, "C:\\My.Photos\\2007"}, // a dotted folder is kept whole
      {"C:\\My.Photos\\2007\\", true, "C:\\My.Photos\\2007"},
      {"C:\\My.Photos", true, "C:\\My.Photos"},
      {"D:\\a\\b.c\\d", true, "D:\\a\\b.c\\d"},
      {"C:\\Photos\\missing.jpg", false, "C:\\Photos\\missing.jpg"},
      {"C:\\Nowhere", false, "C:\\Nowhere"},
      {"", false, ""},
      {"\\", false, ""},
  };
  for (const Case& c : cases) {
    char path[300];
    std::strcpy(path, c.input);
    EXPECT_EQ(checkPathWith(path, probe), c.valid) << c.input;
    EXPECT_STREQ(path, c.result) << c.input;
  }
}

TEST(CheckPath, DrivesAreAcceptedWithoutAListing) {
  for (const char* input : {"C:", "C:\\", "c:/"}) {
    FakeProbe probe;
    char path[8];
    std::strcpy(path, input);
    EXPECT_TRUE(checkPathWith(path, probe)) << input;
    EXPECT_EQ(path[2], '\\') << input;
    EXPECT_EQ(path[3], '\0') << input;
    EXPECT_EQ(probe.listings, 0) << input;
  }
}

TEST(CheckPath, LengthLimitIs260) {
  FakeProbe probe;
  std::string longest = "C:\\" + std::string(257, 'x');  // 260 characters
  probe.folders = {longest};
  std::vector<char> path(longest.begin(), longest.end());
  path.push_back('\0');
  EXPECT_TRUE(checkPathWith(path.data(), probe));

  std::string tooLong = longest + "y";
  probe.folders = {tooLong};
  path.assign(tooLong.begin(), tooLong.end());
  path.push_back('\0');
  EXPECT_FALSE(checkPathWith(path.data(), probe));
  EXPECT_EQ(probe.listings, 1);  // only the 260-character path was listed
}

// Folders as listed, in the order the "file system" returns their entries.
class FakeListing : public FolderListing {
public:
  struct Entry {
    const char* name;
    bool directory;
  };
  std::map<std::string, std::vector<Entry>> folders;
  void list(const std::string& folder,
            const std::function<void(const char*, bool)>& visit) override {
    auto found = folders.find(folder);
    if (found == folders.end()) return;  // cannot be listed
    for (const Entry& entry : found->second) visit(entry.name, entry.directory);
  }
};

std::vector<std::string> pathsOf(const PhotoList& list) {
  std::vector<std::string> paths;
  for (const auto& entry : list.entries) paths.push_back(entry->path);
  return paths;
}

FakeListing sampleTree() {
  FakeListing listing;
  listing.folders["P"] = {{".", true},        {"..", true},        {"a.jpg", false},
                          {"sub", true},      {"notes.txt", false}, {"b.PNG", false},
                          {"gone", true},     {"last", true},       {"z.tga", false}};
  listing.folders["P\\sub"] = {{".", true}, {"..", true}, {"c.gif", false}, {"deeper", true},
                               {"c2.bmp", false}};
  listing.folders["P\\sub\\deeper"] = {{"d.bmp", false}, {"x.jpeg", false}};
  listing.folders["P\\last"] = {{"e.jpg", false}};
  return listing;
}

TEST(Scan, TreeIsDepthFirstPreOrder) {
  FakeListing listing = sampleTree();
  PhotoList list;
  scanTree(list, "P", listing);
  list.finishScan();
  // P\gone cannot be listed: it adds nothing and the scan goes on.
  const std::vector<std::string> expected = {
      "P\\a.jpg",         "P\\sub\\c.gif", "P\\sub\\deeper\\d.bmp", "P\\sub\\c2.bmp",
      "P\\b.PNG",         "P\\last\\e.jpg", "P\\z.tga"};
  EXPECT_EQ(pathsOf(list), expected);
  EXPECT_EQ(list.entries[2]->folder, "P\\sub\\deeper");
  EXPECT_EQ(list.entries[2]->name, "d.bmp");
  EXPECT_EQ(list.entries[4]->kind, static_cast<uint32_t>(kindPng));
  EXPECT_EQ(list.cursor, 0);
  EXPECT_EQ(list.listBegin, 0);
  EXPECT_EQ(list.listEnd, 7);
  EXPECT_TRUE(list.fresh);
  EXPECT_TRUE(list.lastStepForward);
}

TEST(Scan, FolderAloneIgnoresSubFolders) {
  FakeListing listing = sampleTree();
  PhotoList list;
  scanFolder(list, "P", listing);
  const std::vector<std::string> expected = {"P\\a.jpg", "P\\b.PNG", "P\\z.tga"};
  EXPECT_EQ(pathsOf(list), expected);
}

TEST(Scan, DotNamesAreSkippedEvenAsFilesAndDriveRootsDoubleTheBackslash) {
  FakeListing listing;
  // A drive root lists no "." entry and may start with a sub-folder.
  listing.folders["C:\\"] = {{"Photos", true}, {".", false}, {"root.bmp", false}};
  listing.folders["C:\\\\Photos"] = {{"p.jpg", false}};
  PhotoList list;
  scanTree(list, "C:\\", listing);
  const std::vector<std::string> expected = {"C:\\\\Photos\\p.jpg", "C:\\\\root.bmp"};
  EXPECT_EQ(pathsOf(list), expected);
}

}  // namespace
