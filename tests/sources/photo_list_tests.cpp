// Photo folders on a real file system under Wine: the Win32 answers behind the path check, the
// message for a bad path, names in every script, paths beyond 260 characters, and links Wine
// reports as reparse points. The path check's own cases are the native test's; which files a
// folder yields is the photo list window's test.
#include <gtest/gtest.h>

#include <windows.h>

#include <set>
#include <string>
#include <vector>

#include "app/loading_reports.h"
#include "photos/image_decoder.h"
#include "platform/path_text.h"
#include "sources/photo_sources.h"
#include "support/harness.h"

namespace {
std::string utf8(const wchar_t* text) { return utf8FromWide(text); }

bool makeFolder(const std::string& path) { return CreateDirectoryW(widePath(path).c_str(), nullptr) != 0; }

// A picture under any name: a copy of a small test BMP.
bool writePhoto(const std::string& path) {
  static const std::string picture = readFile("Z:" OVIX_TEST_PICTURES "/bgr24.bmp");
  return !picture.empty() && writeFile(path, picture);
}

bool decodes(const std::string& path) {
  ImageSurface* surface = loadImage(path.c_str());
  freeSurface(surface);
  return surface != nullptr;
}

std::vector<std::string> scanned(const std::string& folder, bool recursive) {
  LoadingReports reports;
  PhotoList list;
  const CheckedFolder checked = checkPhotoFolder(folder, reports);
  if (checked.usable) scanPhotoFolder(list, checked.path, recursive);
  std::vector<std::string> paths;
  for (const auto& entry : list.entries) paths.push_back(entry->path);
  return paths;
}
}  // namespace

TEST(PhotoFolders, RealFilesAndEmptyFoldersPassTheCheckAndABadPathIsReported) {
  const std::string root = makeScratchFolder("ovix-sources");
  CreateDirectoryA((root + "\\Empty").c_str(), nullptr);
  writeFile(root + "\\a.jpg", "x");
  const struct {
    const char* asked;
    bool valid;
    const char* kept;  // the folder the path is left at
  } rows[] = {{"\\Empty", true, "\\Empty"}, {"\\a.jpg", true, ""}, {"\\Nowhere", false, "\\Nowhere"},
               {"\\??", false, "\\??"}, {"\\E*", false, "\\E*"}};  // wildcards that would match Empty
  for (const auto& row : rows) {
    LoadingReports reports;
    const CheckedFolder checked = checkPhotoFolder(root + row.asked, reports);
    EXPECT_EQ(checked.usable, row.valid) << row.asked;
    EXPECT_EQ(checked.path, root + row.kept);
    HWND box = FindWindowA("MsgBox Window", "Špatná cesta");
    ASSERT_EQ(box != nullptr, !row.valid) << row.asked;
    if (!box) continue;
    char message[512] = "";
    GetWindowTextA(FindWindowExA(box, nullptr, "Static", nullptr), message, sizeof message);
    EXPECT_EQ(std::string(message), "Cesta '" + root + row.asked + "' není platnou cestou k souborům.");
    DestroyWindow(box);
  }
  // A name beyond the message's code page shows with its own characters.
  const std::string path = root + utf8(L"\\\u041D\u0435\u0442 \U0001F4F7");
  LoadingReports reports;
  EXPECT_FALSE(checkPhotoFolder(path, reports).usable);
  HWND box = FindWindowA("MsgBox Window", "Špatná cesta");
  ASSERT_NE(box, nullptr);
  wchar_t message[512] = L"";
  GetWindowTextW(FindWindowExA(box, nullptr, "Static", nullptr), message, 512);
  EXPECT_EQ(utf8(message), "Cesta '" + path + utf8(L"' není platnou cestou k souborům."));
  DestroyWindow(box);
  removeFolder(root);
}

// A folder named in Cyrillic holding names in many scripts: every photo is listed, in name
// order, and decodes. (Wine cannot make a name with a lone surrogate; the native test converts
// those.)
TEST(PhotoFolders, NamesInEveryScriptAreListedInNameOrderAndDecode) {
  const std::string root = makeScratchFolder("ovix-names");
  const std::string folder = root + utf8(L"\\\u0424\u043E\u0442\u043E 2024");
  ASSERT_TRUE(makeFolder(folder));
  const wchar_t* const ordered[] = {L"A.bmp", L"b.bmp", L"_x.bmp", L"\u010Das.bmp", L"\u0147b.bmp",
                                    L"\u03B1\u03B2.bmp", L"\u0444\u043E\u0442\u043E.bmp", L"\u5199\u771F.bmp",
                                    L"\U0001F600.bmp"};
  for (int i : {6, 2, 0, 4, 7, 1, 3, 8, 5}) ASSERT_TRUE(writePhoto(folder + "\\" + utf8(ordered[i]))) << i;
  ASSERT_TRUE(writeFile(root + "\\notes.txt", "x"));
  std::vector<std::string> expected;
  for (const wchar_t* name : ordered) expected.push_back(folder + "\\" + utf8(name));
  EXPECT_EQ(scanned(folder, false), expected);
  EXPECT_EQ(scanned(root, true), expected);
  for (const std::string& path : expected) EXPECT_TRUE(decodes(path)) << path;
  EXPECT_EQ(FindWindowA("MsgBox Window", nullptr), nullptr);
  removeFolder(root);
}

// Photos whose paths run past 260 characters, in the folder and in a sub-folder, are found and
// decode (the folder itself stays within the limit the check sets).
TEST(PhotoFolders, PhotosWithPathsBeyond260CharactersAreFoundAndDecode) {
  const std::string root = makeScratchFolder("ovix-long");
  const std::string folder = root + "\\" + std::string(200 - root.size(), 'f');
  const std::string sub = folder + "\\" + std::string(90, 's');
  ASSERT_TRUE(makeFolder(folder) && makeFolder(sub));
  const std::string shallow = folder + "\\" + std::string(95, 'n') + ".bmp";  // 301 characters
  const std::string deep = sub + "\\" + std::string(60, 'd') + ".bmp";
  ASSERT_EQ(shallow.size(), 301u);
  ASSERT_TRUE(writePhoto(shallow) && writePhoto(deep));
  EXPECT_EQ(scanned(folder, true), (std::vector<std::string>{shallow, deep}));
  EXPECT_TRUE(decodes(shallow));
  EXPECT_TRUE(decodes(deep));
  // Through the drive root's spelling as well ("C:\\..." after a scan of a bare drive).
  EXPECT_TRUE(decodes(shallow.substr(0, 2) + "\\" + shallow.substr(2)));
  removeFolder(root);
}

// Links that lead back up the tree are not followed: each photo is listed once and the scan ends.
TEST(PhotoFolders, RecursiveScanDoesNotFollowSymbolicLinkLoops) {
  char folder[MAX_PATH + 2];
  ASSERT_GT(GetCurrentDirectoryA(MAX_PATH - 20, folder), 0u);
  lstrcatA(folder, "\\symlink-loop");
  ASSERT_NE(GetFileAttributesA(folder), INVALID_FILE_ATTRIBUTES) << "made by symlink_loop_folder";
  PhotoList list;
  scanPhotoFolder(list, folder, true);
  std::multiset<std::string> paths;
  for (const auto& entry : list.entries) paths.insert(entry->path.substr(lstrlenA(folder)));
  EXPECT_EQ(paths, (std::multiset<std::string>{"\\a.jpg", "\\sub\\b.jpg"}));
}
