// Photo lists made from real folders under Wine: the sub-folder setting, the message for a bad
// path, and links Wine reports as reparse points. The path check's cases are the native test's.
#include <gtest/gtest.h>

#include <windows.h>

#include <set>
#include <string>

#include "app/loading_reports.h"
#include "app/viewer_app.h"
#include "sources/photo_sources.h"
#include "structure/settings.h"
#include "support/harness.h"

TEST(PhotoFolders, ListsFollowThePathAndTheSubFolderSettingAndABadPathIsReported) {
  const std::string root = makeScratchFolder("ovix-sources");
  // Names ending in a backslash are folders.
  for (const char* name : {"\\Photos\\", "\\Photos\\sub\\", "\\Photos\\sub\\deeper\\", "\\Empty\\",
                           "\\Photos\\a.jpg", "\\Photos\\B.JPG", "\\Photos\\c.jpeg", "\\Photos\\noext",
                           "\\Photos\\sub\\e.png", "\\Photos\\sub\\deeper\\f.gif"}) {
    std::string path = root + name;
    if (path.back() == '\\') CreateDirectoryA(path.c_str(), nullptr);
    else writeFile(path, "x");
  }
  // Scans root + `folder` the way a show does; the photo paths relative to root.
  auto scan = [&](const std::string& folder, bool recursive) {
    char path[MAX_PATH + 2];
    lstrcpynA(path, (root + folder).c_str(), MAX_PATH);
    LoadingReports reports;
    PhotoList list;
    if (checkPhotoFolder(path, reports)) scanPhotoFolder(list, path, recursive);
    std::set<std::string> names;
    for (const auto& entry : list.entries) names.insert(entry->path.substr(root.size()));
    return names;
  };
  const std::set<std::string> photos = {"\\Photos\\a.jpg", "\\Photos\\B.JPG"};
  EXPECT_EQ(scan("\\Photos", false), photos);
  EXPECT_EQ(scan("\\Photos", true),
            (std::set<std::string>{"\\Photos\\a.jpg", "\\Photos\\B.JPG", "\\Photos\\sub\\e.png",
                                   "\\Photos\\sub\\deeper\\f.gif"}));
  EXPECT_TRUE(scan("\\Empty", true).empty());
  EXPECT_EQ(FindWindowA("MsgBox Window", nullptr), nullptr);  // an empty folder is no error

  EXPECT_TRUE(scan("\\Nowhere", false).empty());
  HWND box = FindWindowA("MsgBox Window", "Špatná cesta");
  ASSERT_NE(box, nullptr);
  char message[512] = "";
  GetWindowTextA(FindWindowExA(box, nullptr, "Static", nullptr), message, sizeof message);
  EXPECT_EQ(std::string(message), "Cesta '" + root + "\\Nowhere' není platnou cestou k souborům.");
  DestroyWindow(box);
  removeFolder(root);
}

// Links that lead back up the tree are not followed: each photo is listed once and the scan ends.
TEST(PhotoFolders, RecursiveScanDoesNotFollowSymbolicLinkLoops) {
  char folder[MAX_PATH + 2];
  const DWORD length = GetCurrentDirectoryA(MAX_PATH - 20, folder);
  ASSERT_GT(length, 0u);
  lstrcatA(folder, "\\symlink-loop");
  ASSERT_NE(GetFileAttributesA(folder), INVALID_FILE_ATTRIBUTES) << "made by symlink_loop_folder";
  const std::string root = folder;
  PhotoList list;
  scanPhotoFolder(list, folder, true);
  std::set<std::string> paths;
  for (const auto& entry : list.entries) paths.insert(entry->path.substr(root.size()));
  EXPECT_EQ(paths, (std::set<std::string>{"\\a.jpg", "\\sub\\b.jpg"}));
  EXPECT_EQ(list.entries.size(), 2u);
}
