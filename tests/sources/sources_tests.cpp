// Photo sources without a file system: which names are photos, how a folder path is checked
// and normalised, in which order a folder tree is scanned, finding a photo by its path, what a
// path from the command line or a drop opens, the random order and where a show resumes.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <tuple>
#include <string>
#include <vector>

#include "fake_listing.h"
#include "sources/check_path.h"
#include "sources/photo_kind.h"
#include "sources/open_request.h"
#include "sources/photo_list.h"
#include "sources/photo_order.h"
#include "sources/resume_point.h"

namespace {
TEST(PhotoKind, ExtensionsOfAnyLengthAndCaseFromTheListHandedIn) {
  PhotoExtensions installed;  // as decoders describe themselves, with a JPEG decoder's names
  installed.addList(".WebP; .heic,,.AZ", kindOther);
  installed.addList(".jpg,.exif", kindJpg);
  for (const char* more : {"bmp", ".photographic-negative", "", "."}) installed.add(more, kindOther);
  const std::tuple<const char*, int, int> cases[] = {  // name, kind by default, by `installed` (-1: no photo)
      {"a.bmp", 0, 0},     {"IMG_0001.JPG", 1, 1}, {"x.Png", 2, 2},     {"a.b.gif", 3, 3},  {"t.TgA", 4, 4},
      {"a.jpeg", 1, 1},    {"a.JPE", 1, 1},        {"a.jfif", 1, 1},    {"a.tif", 5, 5},    {"scan.TIFF", 5, 5},
      {".jpg", 1, 1},      {"a.webp", -1, 5},      {"a.heic", -1, 5},   {"b.az", -1, 5},    {"a.exif", -1, 1},
      {"a.photographic-negative", -1, 5},          {"a.photographic-negatives", -1, -1},    {"jpg", -1, -1},
      {"a.", -1, -1},      {"photo.jpg.txt", -1, -1}, {"a.jp", -1, -1}, {"a.tiffs", -1, -1}, {"a. heic", -1, -1}};
  const PhotoExtensions standard;
  for (const auto& [name, byDefault, byInstalled] : cases) {
    const std::pair<const PhotoExtensions*, int> lists[] = {{&standard, byDefault}, {&installed, byInstalled}};
    for (const auto& [extensions, expected] : lists) {
      PhotoKind kind = static_cast<PhotoKind>(99);
      EXPECT_EQ(photoKind(name, *extensions, &kind), expected >= 0) << name;
      EXPECT_EQ(static_cast<int>(kind), expected >= 0 ? expected : 99) << name;
    }
  }
  EXPECT_EQ(installed.size(), standard.size() + 5);
}

// A file system of named files and folders; counts the folder listings the check asks for.
struct FakeProbe : PathProbe {
  std::set<std::string> files = {"C:\\Photos\\a.jpg", "C:\\top.png", "C:\\Photos\\README", "a\\b.jpg", "b.jpg"};
  std::set<std::string> folders;
  int listings = 0;
  bool namesFile(const char* path) override { return files.count(path) > 0; }
  bool listsAsFolder(const char* path) override { return ++listings, folders.count(path) > 0; }
};

TEST(CheckPath, NormalisesAndValidates) {
  const std::string longest = "C:\\" + std::string(257, 'x');  // 260 characters
  std::string cyrillic = "C:\\";
  for (int i = 0; i < 257; ++i) cyrillic += "\xD1\x84";
  // The path, whether it is valid, the text afterwards, the listings asked for.
  const std::tuple<std::string, bool, std::string, int> cases[] = {
      {"C:\\Photos", true, "C:\\Photos", 1},
      {"C:\\Photos\\", true, "C:\\Photos", 1},                  // one trailing backslash goes
      {"C:/Photos/", true, "C:\\Photos", 1},                    // slashes become backslashes
      {"C:\\Photos\\a.jpg", true, "C:\\Photos", 1},             // a file gives its folder
      {"C:\\Photos\\README", true, "C:\\Photos", 1},            // ... with or without a dot
      {"C:\\top.png", true, "C:\\", 0},                         // a file in a drive root
      {"C:\\My.Photos\\2007", true, "C:\\My.Photos\\2007", 1},  // a dotted folder stays whole
      {"C:\\Photos\\missing.jpg", false, "C:\\Photos\\missing.jpg", 1},
      {"C:", true, "C:\\", 0},                                  // drives need no listing
      {"", false, "", 0},  {"/", false, "", 0},                 // not the current drive's root
      {"//a", true, "\\\\a", 1}, {"a", true, "a", 1},            // short names
      {"a\\b.jpg", true, "a", 1}, {"b.jpg", false, "b.jpg", 1},  // the last has no folder to give
      {longest, true, longest, 1},
      {longest + "y", false, longest + "y", 0},                 // too long
      {cyrillic, true, cyrillic, 1},                            // 260 characters in 520 bytes
      {cyrillic + "\xD1\x84", false, cyrillic + "\xD1\x84", 0},
      {"\xD1\x84", true, "\xD1\x84", 1},                         // one letter in two bytes: no drive
      {"C:\\Photos\\??", false, "C:\\Photos\\??", 0},           // no wildcard is ever a pattern
      {"C:\\Photos\\*", false, "C:\\Photos\\*", 0},
      {"C:\\Photos\\a|b", false, "C:\\Photos\\a|b", 0}};
  for (const auto& [input, valid, result, listings] : cases) {
    FakeProbe probe;
    probe.folders = {"C:\\Photos", "C:\\My.Photos\\2007", longest, "a", "\\\\a", cyrillic, "\xD1\x84"};
    std::vector<char> path(input.begin(), input.end());
    path.resize(path.size() + 2, '\0');
    EXPECT_EQ(checkPathWith(path.data(), probe), valid) << input;
    EXPECT_EQ(std::string(path.data()), result) << input;
    EXPECT_EQ(probe.listings, listings) << input;
  }
}

std::vector<std::string> pathsOf(const PhotoList& list) {
  std::vector<std::string> paths;
  for (const auto& entry : list.entries) paths.push_back(entry->path);
  return paths;
}

// Each folder's entries are taken in name order, whatever order the listing gives.
TEST(Scan, TreeIsDepthFirstPreOrderInNameOrderAndFolderAloneSkipsSubFolders) {
  FakeListing listing;
  listing.folders["P"] = {{"z.tga", false}, {"..", true}, {"sub", true},   {"n.txt", false},
                          {".", true},      {"gone", true}, {"b.PNG", false}, {"a.jpg", false}};
  listing.folders["P\\sub"] = {{"deeper", true}, {".", true}, {"c2.bmp", false}, {"c.gif", false}};
  listing.folders["P\\sub\\deeper"] = {{"x.webp", false}, {"d.bmp", false}};
  listing.folders["P\\."] = listing.folders["P\\.."] = {{"dot.jpg", false}};  // never listed
  PhotoExtensions handedIn;  // the list handed in decides: here text files are photos too
  handedIn.addList("webp,txt", kindOther);
  PhotoList tree;
  scanTree(tree, "P", listing, handedIn);
  EXPECT_EQ(pathsOf(tree), (std::vector<std::string>{"P\\a.jpg", "P\\b.PNG", "P\\n.txt", "P\\sub\\c.gif",
                                                     "P\\sub\\c2.bmp", "P\\sub\\deeper\\d.bmp",
                                                     "P\\sub\\deeper\\x.webp", "P\\z.tga"}));
  EXPECT_EQ(tree.entries[5]->folder, "P\\sub\\deeper");
  EXPECT_EQ(tree.entries[5]->name, "d.bmp");
  EXPECT_TRUE(tree.entries[3]->kind == kindGif && tree.entries[6]->kind == kindOther);

  PhotoList alone;
  scanFolder(alone, "P", listing, handedIn);
  EXPECT_EQ(pathsOf(alone), (std::vector<std::string>{"P\\a.jpg", "P\\b.PNG", "P\\n.txt", "P\\z.tga"}));
}

// Names compare by their UTF-16 text in upper case, as NTFS orders a folder: ASCII as always
// ("_" after the letters, "10" before "2"), accented Latin, Greek and Cyrillic letters without
// regard to case, then CJK, characters beyond U+FFFF, and the last BMP characters.
TEST(Scan, NamesInEveryScriptSortByTheirUpperCaseUtf16Text) {
  // émile, čas, Čáp, ňa, Ňb, žába, αβ, ΑΓ, ς (as Σ), τ, ё (as Ё), Фото, фото2, 写真, 😀, Ａ (U+FF21)
  const char* const ordered[] = {
      "10.jpg", "2.jpg", "A.jpg", "a.jpg", "b.jpg", "Zebra.jpg", "_x.jpg", "\xC3\xA9mile.jpg", "\xC4\x8D" "as.jpg",
      "\xC4\x8C\xC3\xA1p.jpg", "\xC5\x88" "a.jpg", "\xC5\x87" "b.jpg", "\xC5\xBE\xC3\xA1" "ba.jpg",
      "\xCE\xB1\xCE\xB2.jpg", "\xCE\x91\xCE\x93.jpg", "\xCF\x82.jpg", "\xCF\x84.jpg", "\xD1\x91.jpg",
      "\xD0\xA4\xD0\xBE\xD1\x82\xD0\xBE.jpg", "\xD1\x84\xD0\xBE\xD1\x82\xD0\xBE" "2.jpg",
      "\xE5\x86\x99\xE7\x9C\x9F.jpg", "\xF0\x9F\x98\x80.jpg", "\xEF\xBC\xA1.jpg"};
  FakeListing listing;
  // Listed backwards, and once in a shuffled order.
  for (const char* name : ordered) listing.folders["N"].insert(listing.folders["N"].begin(), {name, false});
  std::vector<FakeListing::Entry> shuffled = listing.folders["N"];
  for (size_t i = 0; i < shuffled.size(); ++i) std::swap(shuffled[i], shuffled[(i * 7 + 3) % shuffled.size()]);
  listing.folders["S"] = shuffled;
  for (const char* folder : {"N", "S"}) {
    PhotoList list;
    scanFolder(list, folder, listing, PhotoExtensions());
    std::vector<std::string> names;
    for (const auto& entry : list.entries) names.push_back(entry->name);
    EXPECT_EQ(names, std::vector<std::string>(std::begin(ordered), std::end(ordered))) << folder;
  }
}

// A loop of links (a link to the folder itself and one back to its parent) is never entered,
// a plain chain of sub-folders is followed only maxDepth levels deep, and a set cancel flag
// ends the whole scan at the next entry, however deep the scan is.
TEST(Scan, LinksAreNotFollowedDepthIsBoundedAndCancelStopsAtOnce) {
  FakeListing listing;
  listing.folders["L"] = {{"self", true, true}, {"a.jpg", false}, {"sub", true}};
  listing.folders["L\\self"] = {{"loop.jpg", false}};
  listing.folders["L\\sub"] = {{"back", true, true}, {"b.jpg", false}, {"shortcut.png", false, true}};
  listing.folders["L\\sub\\back"] = {{"loop.jpg", false}};
  PhotoList loop;
  scanTree(loop, "L", listing, PhotoExtensions());
  EXPECT_EQ(pathsOf(loop), (std::vector<std::string>{"L\\a.jpg", "L\\sub\\b.jpg", "L\\sub\\shortcut.png"}));

  // D holds D\d and d0.jpg, D\d holds D\d\d and d1.jpg, and so on.
  std::string folder = "D";
  const char* const names[] = {"d0.jpg", "d1.jpg", "d2.jpg", "d3.jpg", "d4.jpg", "d5.jpg"};
  for (const char* name : names) {
    listing.folders[folder] = {{"d", true}, {name, false}};
    folder += "\\d";
  }
  for (int maxDepth : {0, 2, 5}) {
    ScanLimits limits;
    limits.maxDepth = maxDepth;
    PhotoList list;
    scanTree(list, "D", listing, PhotoExtensions(), limits);
    ASSERT_EQ(list.entries.size(), static_cast<size_t>(maxDepth + 1)) << maxDepth;
    EXPECT_EQ(list.entries.front()->name, names[maxDepth]) << maxDepth;
  }

  std::atomic<bool> cancel{false};
  ScanLimits limits;
  limits.cancel = &cancel;
  for (int cancelAfter : {0, 3, 7}) {  // entries handed out before the flag is set
    cancel = false;
    listing.visited = 0;
    listing.beforeEach = [&] { cancel = cancel || listing.visited == cancelAfter; };
    PhotoList list;
    scanTree(list, "D", listing, PhotoExtensions(), limits);
    EXPECT_EQ(listing.visited, cancelAfter + 1) << cancelAfter;  // the last one saw the flag
    listing.visited = 0;
    scanFolder(list, "D", listing, PhotoExtensions(), limits);
    EXPECT_EQ(listing.visited, 1) << cancelAfter;
    // Photos enter once their folder is listed whole; every listing here was cut short.
    EXPECT_EQ(list.entries.size(), 0u) << cancelAfter;
  }
}

// A start photo's path as a command line or a drop may spell it: A-Z case and "/" do not matter,
// anything else does.
TEST(PhotoList, FindsAnEntryByItsPathAsWindowsComparesNames) {
  PhotoList list;
  list.append("C:\\Photos", "a.jpg", kindJpg);
  list.append("C:\\Photos\\Sub", "B.png", kindPng);
  const std::pair<const char*, std::ptrdiff_t> rows[] = {{"c:/photos/A.JPG", 0}, {"C:\\PHOTOS\\sub/b.png", 1},
                                                       {"C:\\Photos\\a.jp", -1}, {"C:\\Photos\\\\a.jpg", -1}};
  for (const auto& [path, entry] : rows) EXPECT_EQ(list.find(path), entry) << path;
}

// Arguments as the platform splits a command line (CommandLineToArgvW), then what they open.
TEST(OpenRequest, ArgumentsGiveOnePathAndAFileStartsItsFolderAtItself) {
  const std::string unicodeFolder = "C:\\\xc5\xa0kola", unicodePhoto = unicodeFolder + "\\\xe6\x9d\xb1.jpg";
  const std::tuple<std::vector<std::string>, std::string, std::string> rows[] = {  // arguments, folder, start
      {{}, "", ""}, {{"  ", ""}, "", ""}, {{"C:\\Photos"}, "C:\\Photos", ""},
      {{"C:\\My", "Photos"}, "C:\\My Photos", ""},  // unquoted, cut at the blank
      {{"C:\\Photos\\\\"}, "C:\\Photos\\\\", ""},     // trailing backslashes are the check's
      {{"C:\\Photos\""}, "C:\\Photos", ""},         // "C:\Photos\" read as an escaped quote
      {{"\"C:\\Photos\\a.jpg\" "}, "C:\\Photos", "C:\\Photos\\a.jpg"}, {{"b.jpg"}, ".", "b.jpg"},
      {{"C:/Photos/a.jpg"}, "C:/Photos", "C:/Photos/a.jpg"}, {{unicodePhoto}, unicodeFolder, unicodePhoto},
      {{"C:\\Photos\\missing.jpg"}, "C:\\Photos\\missing.jpg", ""}};  // invalid: the check refuses it
  for (const auto& [arguments, folder, start] : rows) {
    FakeProbe probe;
    probe.files.insert({unicodePhoto, "C:/Photos/a.jpg"});
    const OpenRequest request = openRequestFor(pathFromArguments(arguments), probe);
    EXPECT_TRUE(request.folder == folder && request.startAt == start) << folder << " | " << request.folder;
  }
}

TEST(PhotoOrder, ShuffleTakesEveryPhotoOnceFromTheSeedWithTheStartFirst) {
  auto order = [](int count, const char* first, uint32_t seed) {  // the first letters of the names
    PhotoList list;
    for (int i = 0; i < count; ++i) list.append("C:\\P", (std::string(1, char('0' + i)) + ".jpg").c_str(), kindJpg);
    shuffleList(list, first, seed);
    std::string names;
    for (const auto& entry : list.entries) names += entry->name[0];
    return names;
  };
  const std::string scanned = "0123456789:;<=>?@ABCDEFGHIJKLMNOPQRSTUVW";
  const std::pair<const char*, char> rows[] = {{"", 0}, {"C:\\P\\gone.jpg", 0}, {"c:/p/G.JPG", 'G'}, {"C:\\P\\0.jpg", '0'}};
  for (const auto& [first, expected] : rows) {  // 0: any but the scan's first
    std::string shuffled = order(40, first, 7), sorted = shuffled;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_TRUE(sorted == scanned && shuffled == order(40, first, 7) && shuffled != order(40, first, 8)) << first;
    EXPECT_TRUE(expected ? shuffled[0] == expected : shuffled[0] != '0') << first;
  }
  EXPECT_TRUE(order(0, "", 3).empty() && order(1, "C:\\P\\0.jpg", 3) == "0");
}

TEST(ResumePoint, StoredBelowTheFolderAndTakenOnlyForThatFolder) {
  const std::tuple<std::string, std::string, std::string> inside[] = {  // folder, photo, relative
      {"C:\\Photos\\", "c:/photos/2023\\deep\\b.jpg", "2023\\deep\\b.jpg"}, {"C:\\", "C:\\x.jpg", "x.jpg"},
      {"C:\\Photos", "C:\\Photos2\\a.jpg", ""}, {"C:\\Photos", "C:\\Photos", ""}, {"", "C:\\a.jpg", ""},
      {"C:\\P", "C:\\P\\x", "x"}};
  for (const auto& [folder, photo, relative] : inside) EXPECT_EQ(pathInside(folder, photo), relative) << photo;
  const std::pair<std::string, std::string> rows[] = {  // relative, start in "C:\Photos"
      {"2023\\b.jpg", "C:\\Photos\\2023\\b.jpg"}, {"..b.jpg", "C:\\Photos\\..b.jpg"}, {"", ""}, {"..\\secret.jpg", ""},
      {"a\\..\\..\\b.jpg", ""}, {"D:\\b.jpg", ""}, {"\\b.jpg", ""}};
  for (const auto& [relative, start] : rows) EXPECT_EQ(resumePath("C:\\Photos", relative, "c:/PHOTOS/"), start) << relative;
  EXPECT_TRUE(resumePath("C:\\Photos", "a.jpg", "C:\\Other").empty() && resumePath("", "a.jpg", "").empty());
  // A photo gone or renamed since: the scan does not find the path, and the show starts at its first.
  PhotoList list;
  list.append("C:\\Photos\\2023", "b.jpg", kindJpg);
  EXPECT_EQ(list.find(resumePath("C:\\Photos", "2023\\renamed.jpg", "C:\\Photos")), -1);
}

}  // namespace
