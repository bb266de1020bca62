// Photo lists made from real folders under Wine: the path check against the file system, the
// sub-folder setting, and the message for a bad path.
#include <gtest/gtest.h>

#include <windows.h>

#include <set>
#include <string>

#include "app/viewer_app.h"
#include "sources/photo_sources.h"
#include "structure/settings.h"
#include "support/harness.h"

namespace {

class PhotoFolders : public ::testing::Test {
protected:
  static void SetUpTestSuite() {
    instance = GetModuleHandleA(nullptr);
    root = makeScratchFolder("ovix-sources");
    for (const char* folder : {"\\Photos", "\\Photos\\sub", "\\Photos\\sub\\deeper", "\\My.Photos",
                               "\\My.Photos\\2007", "\\Empty"})
      CreateDirectoryA((root + folder).c_str(), nullptr);
    for (const char* file : {"\\Photos\\a.jpg", "\\Photos\\B.JPG", "\\Photos\\c.jpeg", "\\Photos\\d.tif",
                             "\\Photos\\noext", "\\Photos\\sub\\e.png", "\\Photos\\sub\\deeper\\f.gif",
                             "\\My.Photos\\2007\\g.tga", "\\My.Photos\\outside.bmp"})
      writeFile(root + file, "x");
  }
  static void TearDownTestSuite() { removeFolder(root); }
  void TearDown() override { settings.recursive = false; }

  // Scans root + `folder` the way a show does; the photo paths relative to root.
  static std::set<std::string> scan(const std::string& folder, bool recursive) {
    settings.recursive = recursive;
    char path[MAX_PATH + 2];
    lstrcpynA(path, (root + folder).c_str(), MAX_PATH);
    PhotoList list(path);
    std::set<std::string> names;
    for (const auto& entry : list.entries) names.insert(entry->path.substr(root.size()));
    return names;
  }
  static std::string root;
};
std::string PhotoFolders::root;

TEST_F(PhotoFolders, ListsFollowThePathAndTheSubFolderSetting) {
  const std::set<std::string> photos = {"\\Photos\\a.jpg", "\\Photos\\B.JPG"};
  EXPECT_EQ(scan("\\Photos", false), photos);
  EXPECT_EQ(scan("/Photos/", false), photos);       // slashes and a trailing one
  EXPECT_EQ(scan("\\Photos\\a.jpg", false), photos);  // a photo means its folder
  EXPECT_EQ(scan("\\Photos", true),
            (std::set<std::string>{"\\Photos\\a.jpg", "\\Photos\\B.JPG", "\\Photos\\sub\\e.png",
                                   "\\Photos\\sub\\deeper\\f.gif"}));
  // The chosen folder, not its dotted parent nor the drive root above it.
  EXPECT_EQ(scan("\\My.Photos\\2007", true), (std::set<std::string>{"\\My.Photos\\2007\\g.tga"}));
  EXPECT_TRUE(scan("\\Empty", true).empty());
  EXPECT_EQ(FindWindowA("MsgBox Window", nullptr), nullptr);  // an empty folder is no error

  char drive[8] = "C:";
  EXPECT_TRUE(checkPath(drive));
  EXPECT_STREQ(drive, "C:\\");
}

TEST_F(PhotoFolders, InvalidPathIsReported) {
  EXPECT_TRUE(scan("\\Nowhere", false).empty());
  HWND box = FindWindowA("MsgBox Window", "Špatná cesta");
  ASSERT_NE(box, nullptr);
  char message[512] = "";
  GetWindowTextA(FindWindowExA(box, nullptr, "Static", nullptr), message, sizeof message);
  EXPECT_EQ(std::string(message), "Cesta '" + root + "\\Nowhere' není platnou cestou k souborům.");
  DestroyWindow(box);
}

}  // namespace
