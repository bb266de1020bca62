// Photo folders on a real file system under Wine: the Win32 answers behind the path check, the
// message for a bad path, names in every script, paths beyond 260 characters, and links Wine
// reports as reparse points. The path check's own cases are the native test's; which files a
// folder yields is the photo list window's test.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "app/loading_reports.h"
#include "photos/image_decoder.h"
#include "platform/file_access.h"
#include "platform/path_text.h"
#include "sources/photo_sources.h"
#include "support/harness.h"

namespace {
std::string utf8(const wchar_t* text) { return utf8FromWide(text); }

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

// A folder named in Cyrillic holding names in many scripts, and a photo whose path runs past
// 300 characters in a sub-folder: every photo is listed, in name order, and decodes. (Wine
// cannot make a name with a lone surrogate; the native test converts those.) The Win32 probe
// behind the check passes a photo's path and an empty folder, and reports a missing one by name.
TEST(PhotoFolders, NamesInEveryScriptAndPathsBeyond260CharactersAreListedInNameOrderAndDecode) {
  const std::string root = makeScratchFolder("ovix-names");
  const std::string folder = root + utf8(L"\\\u0424\u043E\u0442\u043E 2024");
  const std::string deep = utf8(std::wstring(100, L'\u044F').c_str());  // 200 bytes, within Linux's 255
  ASSERT_TRUE(makeFolder(folder) && makeFolder(folder + "\\" + deep) && makeFolder(root + "\\Empty"));
  const std::string names[] = {"A.bmp", "b.bmp", "_x.bmp", utf8(L"\u010Das.bmp"), utf8(L"\u0147b.bmp"),
                               utf8(L"\u03B1\u03B2.bmp"), utf8(L"\u0444\u043E\u0442\u043E.bmp"),
                               deep + "\\" + std::string(160, 'n') + ".bmp", utf8(L"\u5199\u771F.bmp"), utf8(L"\U0001F600.bmp")};
  const std::string picture = readFile("Z:" OVIX_TEST_PICTURES "/bgr24.bmp");  // a photo under any name
  for (int i : {6, 2, 0, 4, 7, 9, 1, 3, 8, 5}) ASSERT_TRUE(writeFile(folder + "\\" + names[i], picture)) << i;
  std::vector<std::string> expected;
  for (const std::string& name : names) expected.push_back(folder + "\\" + name);
  ASSERT_GT(utf16Length(expected[7].c_str()), 300u);
  EXPECT_EQ(scanned(folder, true), expected);
  EXPECT_EQ(scanned(expected[0], true), expected);  // a photo's folder
  EXPECT_TRUE(scanned(root + "\\Empty", true).empty());
  for (const std::string& path : expected) {
    ImageSurface* surface = loadImage(path.c_str());
    EXPECT_NE(surface, nullptr) << path;
    freeSurface(surface);
  }
  EXPECT_EQ(FindWindowA("MsgBox Window", nullptr), nullptr);
  EXPECT_TRUE(scanned(root + "\\Nowhere", true).empty());
  HWND box = FindWindowA("MsgBox Window", "Špatná cesta");
  ASSERT_NE(box, nullptr);
  char message[512] = "";
  GetWindowTextA(FindWindowExA(box, nullptr, "Static", nullptr), message, sizeof message);
  EXPECT_EQ(std::string(message), "Cesta '" + root + "\\Nowhere' není platnou cestou k souborům.");
  DestroyWindow(box);
  removeFolder(root);
}

// Wine opens long paths in any form, Windows only in the "\\?\" form: so the form itself is
// checked. It is absolute and plain (no "/", no ".", no doubled "\\" such as a drive root's scan
// spells); short paths stay as they are.
TEST(PhotoFolders, LongPathsTakeThePrefixedForm) {
  const std::wstring name(250, L'n');
  const std::pair<std::wstring, std::wstring> rows[] = {  // the path (as UTF-8), the form Windows is given
      {L"C:\\\\a/./b\\" + name, L"\\\\?\\C:\\a\\b\\" + name}, {L"\\\\?\\C:\\" + name, L"\\\\?\\C:\\" + name},
      {L"\\\\server\\share\\" + name, L"\\\\?\\UNC\\server\\share\\" + name}, {L"./data/a.png", L"./data/a.png"},
      {L"C:\\\\a.jpg", L"C:\\\\a.jpg"}};
  for (const auto& [path, wide] : rows) EXPECT_EQ(widePath(utf8(path.c_str())), wide) << path;
}

// Ovix's own files (config.conf, the logs, the report) open, are made and are replaced by their
// real names in any script, as the program folder may be named so.
TEST(PhotoFolders, FilesAndFoldersOfAnyNameAreMadeOpenedAndReplaced) {
  const std::string root = makeScratchFolder("ovix-files");
  const std::string folder = root + "\\\xD0\xBB\xD0\xBE\xD0\xB3 \xE5\x86\x99 \xF0\x9F\x98\x80";
  ASSERT_TRUE(makeFolder(folder));
  EXPECT_TRUE(makeFolder(folder));  // already there
  for (const char* content : {"old", "new"}) {
    std::FILE* file = openFile(folder + "\\\xCE\xB1.tmp", "wb");
    ASSERT_TRUE(file);
    std::fputs(content, file);
    std::fclose(file);
    ASSERT_TRUE(replaceFile(folder + "\\\xCE\xB1.tmp", folder + "\\\xCE\xB1.conf"));
  }
  EXPECT_EQ(readFile(folder + "\\\xCE\xB1.conf"), "new");
  EXPECT_FALSE(openFile(folder + "\\\xCE\xB1.tmp", "rb"));
  removeFolder(root);
}

// Links that lead back up the tree are not followed: each photo is listed once and the scan ends.
TEST(PhotoFolders, RecursiveScanDoesNotFollowSymbolicLinkLoops) {
  const std::string folder = currentFolder() + "\\symlink-loop";  // made by symlink_loop_folder
  EXPECT_EQ(scanned(folder, true), (std::vector<std::string>{folder + "\\a.jpg", folder + "\\sub\\b.jpg"}));
}
