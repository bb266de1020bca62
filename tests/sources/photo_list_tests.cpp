// Photo folders on a real file system under Wine: the Win32 answers behind the path check, the
// message for a bad path, and links Wine reports as reparse points. The path check's own cases
// are the native test's; which files a folder yields is the photo list window's test.
#include <gtest/gtest.h>

#include <windows.h>

#include <set>
#include <string>

#include "app/loading_reports.h"
#include "sources/photo_sources.h"
#include "support/harness.h"

TEST(PhotoFolders, RealFilesAndEmptyFoldersPassTheCheckAndABadPathIsReported) {
  const std::string root = makeScratchFolder("ovix-sources");
  CreateDirectoryA((root + "\\Empty").c_str(), nullptr);
  writeFile(root + "\\a.jpg", "x");
  const struct {
    const char* asked;
    bool valid;
    const char* kept;  // the folder the path is left at
  } rows[] = {{"\\Empty", true, "\\Empty"}, {"\\a.jpg", true, ""}, {"\\Nowhere", false, "\\Nowhere"}};
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
