// Photo sources without a file system: which names are photos, how a folder path is checked
// and normalised, in which order a folder tree is scanned, finding a photo by its path, what a
// path from the command line or a drop opens, the random order and where a show resumes.
#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <cwctype>
#include <set>
#include <tuple>

#include "fake_listing.h"
#include "platform/path_text.h"
#include "sources/check_path.h"
#include "sources/photo_kind.h"
#include "sources/open_request.h"
#include "sources/name_order.h"
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
    for (const auto& [extensions, expected] : {std::pair{&standard, byDefault}, {&installed, byInstalled}}) {
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

// Which characters are forbidden is the path text's own test; here one wildcard stands for all.
TEST(CheckPath, NormalisesAndValidates) {
  const std::string longest = "C:\\" + std::string(257, 'x');  // 260 characters
  const std::string cyrillic = "C:\\" + utf8FromUtf16(std::u16string(257, u'\x0444').data(), 257);
  // The path, whether it is valid, the text afterwards, the listings asked for.
  const std::tuple<std::string, bool, std::string, int> cases[] = {
      {"C:\\Photos", true, "C:\\Photos", 1},  {"C:/Photos/", true, "C:\\Photos", 1},  // "\" for "/", one trailing goes
      {"C:\\Photos\\a.jpg", true, "C:\\Photos", 1},  {"C:\\Photos\\README", true, "C:\\Photos", 1},  // a file's folder
      {"C:\\top.png", true, "C:\\", 0},  {"C:", true, "C:\\", 0},  // drives need no listing
      {"C:\\My.Photos\\2007", true, "C:\\My.Photos\\2007", 1},  // a dotted folder stays whole
      {"C:\\Photos\\missing.jpg", false, "C:\\Photos\\missing.jpg", 1},
      {"", false, "", 0},  {"/", false, "", 0},  // not the current drive's root
      {"//a", true, "\\\\a", 1}, {"a\\b.jpg", true, "a", 1}, {"b.jpg", false, "b.jpg", 1},  // no folder to give
      {longest, true, longest, 1},  {longest + "y", false, longest + "y", 0},  // too long
      {cyrillic, true, cyrillic, 1},  {cyrillic + "\xD1\x84", false, cyrillic + "\xD1\x84", 0},  // 260 in 520 bytes
      {"\xD1\x84", true, "\xD1\x84", 1},  // one letter in two bytes: no drive
      {"C:\\Photos\\??", false, "C:\\Photos\\??", 0}};  // no wildcard is ever a pattern
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

// Each scanned entry as "path kind", or its name alone.
std::vector<std::string> scanned(const PhotoList& list, bool namesOnly = false) {
  std::vector<std::string> found;
  for (const auto& entry : list.entries)
    found.push_back(namesOnly ? entry->name : entry->path + " " + std::to_string(entry->kind));
  return found;
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
  PhotoList tree, alone;
  scanTree(tree, "P", listing, handedIn);
  EXPECT_EQ(scanned(tree), (std::vector<std::string>{"P\\a.jpg 1", "P\\b.PNG 2", "P\\n.txt 5", "P\\sub\\c.gif 3",
                                                     "P\\sub\\c2.bmp 0", "P\\sub\\deeper\\d.bmp 0",
                                                     "P\\sub\\deeper\\x.webp 5", "P\\z.tga 4"}));
  scanFolder(alone, "P", listing, handedIn);
  EXPECT_EQ(scanned(alone), (std::vector<std::string>{"P\\a.jpg 1", "P\\b.PNG 2", "P\\n.txt 5", "P\\z.tga 4"}));
}

// Names compare by their UTF-16 text in upper case, as NTFS orders a folder: ASCII as always
// ("_" after the letters, "10" before "2"), accented Latin, Greek and Cyrillic letters without
// regard to case, then CJK, characters beyond U+FFFF, and the last BMP characters.
TEST(Scan, NamesInEveryScriptSortByTheirUpperCaseUtf16Text) {
  // émile, čas, Čáp, ňa, Ňb, žába, αβ, ΑΓ, ς (as Σ), τ, ё (as Ё), Фото, фото2, 写真, 😀, Ａ (U+FF21)
  const std::vector<std::string> ordered = {
      "10.jpg", "2.jpg", "A.jpg", "a.jpg", "b.jpg", "Zebra.jpg", "_x.jpg", "\xC3\xA9mile.jpg", "\xC4\x8D" "as.jpg",
      "\xC4\x8C\xC3\xA1p.jpg", "\xC5\x88" "a.jpg", "\xC5\x87" "b.jpg", "\xC5\xBE\xC3\xA1" "ba.jpg",
      "\xCE\xB1\xCE\xB2.jpg", "\xCE\x91\xCE\x93.jpg", "\xCF\x82.jpg", "\xCF\x84.jpg", "\xD1\x91.jpg",
      "\xD0\xA4\xD0\xBE\xD1\x82\xD0\xBE.jpg", "\xD1\x84\xD0\xBE\xD1\x82\xD0\xBE" "2.jpg",
      "\xE5\x86\x99\xE7\x9C\x9F.jpg", "\xF0\x9F\x98\x80.jpg", "\xEF\xBC\xA1.jpg"};
  FakeListing listing;  // listed shuffled (7 and 23 have no common divisor)
  for (size_t i = 0; i < ordered.size(); ++i) listing.folders["N"].push_back({ordered[(i * 7 + 3) % 23].c_str(), false});
  PhotoList list;
  scanFolder(list, "N", listing, PhotoExtensions());
  EXPECT_EQ(scanned(list, true), ordered);
}

// Every letter of Latin-1, Latin Extended-A, Greek and Cyrillic ranks with its capital, as the C
// library's Unicode case table pairs them (micro and long s have capitals outside the ranges).
TEST(Scan, EveryLetterOfTheKnownScriptsRanksWithItsCapital) {
  ASSERT_TRUE(std::setlocale(LC_CTYPE, "C.UTF-8"));
  const auto utf8 = [](char16_t c) { return utf8FromUtf16(&c, 1); };
  for (char16_t c = 0x80; c < 0x460; ++c) {
    if ((c >= 0x180 && c < 0x386) || (c > 0x3CE && c < 0x400)) continue;  // Latin Extended-B, IPA, Coptic
    const char16_t capital = std::towupper(static_cast<wint_t>(c));
    if (capital == c || c == 0xB5 || c == 0x17F || capital < 0x80) continue;
    // Equal ranks: the next letter decides, whichever side holds the capital.
    EXPECT_TRUE(nameBefore(utf8(c) + "a", utf8(capital) + "b")) << std::hex << int(c);
    EXPECT_TRUE(nameBefore(utf8(capital) + "a", utf8(c) + "b")) << std::hex << int(c);
  }
  std::setlocale(LC_CTYPE, "C");
}

// A loop of links (a link to the folder itself and one back to its parent) is never entered,
// a plain chain of sub-folders is followed only maxDepth levels deep, and a set cancel flag
// ends the whole scan at the next entry, however deep the scan is.
TEST(Scan, LinksAreNotFollowedDepthIsBoundedAndCancelStopsAtOnce) {
  FakeListing listing;
  listing.folders["L"] = {{"self", true, true}, {"a.jpg", false}, {"sub", true}};
  listing.folders["L\\self"] = listing.folders["L\\sub\\back"] = {{"loop.jpg", false}};
  listing.folders["L\\sub"] = {{"back", true, true}, {"b.jpg", false}, {"shortcut.png", false, true}};
  PhotoList loop;
  scanTree(loop, "L", listing, PhotoExtensions());
  EXPECT_EQ(scanned(loop), (std::vector<std::string>{"L\\a.jpg 1", "L\\sub\\b.jpg 1", "L\\sub\\shortcut.png 2"}));

  // D holds D\d and d0.jpg, D\d holds D\d\d and d1.jpg, and so on.
  std::string folder = "D";
  for (const char* name : {"d0.jpg", "d1.jpg", "d2.jpg", "d3.jpg", "d4.jpg", "d5.jpg"})
    listing.folders[folder] = {{"d", true}, {name, false}}, folder += "\\d";
  std::atomic<bool> cancel{false};
  ScanLimits limits;
  for (int maxDepth : {0, 2, 5}) {
    limits.maxDepth = maxDepth;
    PhotoList list;
    scanTree(list, "D", listing, PhotoExtensions(), limits);
    ASSERT_EQ(list.entries.size(), static_cast<size_t>(maxDepth + 1)) << maxDepth;
    EXPECT_EQ(list.entries.front()->name, "d" + std::to_string(maxDepth) + ".jpg") << maxDepth;
  }

  limits.cancel = &cancel;
  for (int cancelAfter : {0, 3, 7}) {  // entries handed out before the flag is set
    cancel = false;
    listing.visited = 0;
    listing.beforeEach = [&] { cancel = cancel || listing.visited == cancelAfter; };
    PhotoList list;
    scanTree(list, "D", listing, PhotoExtensions(), limits);
    EXPECT_EQ(listing.visited, cancelAfter + 1) << cancelAfter;  // the last one saw the flag
    scanFolder(list, "D", listing, PhotoExtensions(), limits);
    EXPECT_EQ(listing.visited, cancelAfter + 2) << cancelAfter;
    // Photos enter once their folder is listed whole; every listing here was cut short.
    EXPECT_EQ(list.entries.size(), 0u) << cancelAfter;
  }
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

TEST(ResumePoint, StoredBelowTheFolderTakenOnlyForThatFolderAndFoundAsWindowsComparesNames) {
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
  // The start photo's path as a resume point, a command line or a drop spells it: A-Z case and "/"
  // do not matter, anything else does; a photo gone or renamed since is not found (the show
  // starts at its first).
  PhotoList list;
  list.append("C:\\Photos", "a.jpg", kindJpg);
  list.append("C:\\Photos\\Sub", "B.png", kindPng);
  const std::pair<std::string, std::ptrdiff_t> found[] = {
      {"c:/photos/A.JPG", 0}, {"C:\\PHOTOS\\sub/b.png", 1}, {"C:\\Photos\\a.jp", -1}, {"C:\\Photos\\\\a.jpg", -1},
      {resumePath("C:\\Photos", "Sub\\renamed.png", "C:\\Photos"), -1}};
  for (const auto& [path, entry] : found) EXPECT_EQ(list.find(path), entry) << path;
}
}  // namespace
