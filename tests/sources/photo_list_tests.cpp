// Photo lists made from real folders under Wine: the path check against the file system, the
// sub-folder setting, and the message for a bad path.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstring>
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
    ASSERT_FALSE(root.empty());
    for (const char* folder : {"\\Photos", "\\Photos\\sub", "\\Photos\\sub\\deeper", "\\Photos\\empty",
                               "\\My.Photos", "\\My.Photos\\2007", "\\Empty"})
      ASSERT_TRUE(CreateDirectoryA((root + folder).c_str(), nullptr)) << folder;
    for (const char* file : {"\\Photos\\a.jpg", "\\Photos\\B.JPG", "\\Photos\\c.jpeg",
                             "\\Photos\\d.tif", "\\Photos\\noext", "\\Photos\\sub\\e.png",
                             "\\Photos\\sub\\deeper\\f.gif", "\\My.Photos\\2007\\g.tga",
                             "\\My.Photos\\outside.bmp"})
      ASSERT_TRUE(writeFile(root + file, "x")) << file;
  }
  static void TearDownTestSuite() {
    if (!std::getenv("OVIX_KEEP_FOLDERS")) removeFolder(root);
  }
  void TearDown() override { settings.recursive = false; }

  static std::set<std::string> namesOf(const PhotoList& list) {
    std::set<std::string> names;
    for (const auto& entry : list.entries) names.insert(entry->path.substr(root.size()));
    return names;
  }
  // The message boxes of this thread; closes them.
  static std::vector<std::string> takeMessages() {
    std::vector<std::string> captions;
    while (HWND box = FindWindowA("MsgBox Window", nullptr)) {
      char caption[256] = "";
      GetWindowTextA(box, caption, sizeof caption);
      captions.push_back(caption);
      DestroyWindow(box);
    }
    return captions;
  }
  static std::string root;
};
std::string PhotoFolders::root;

TEST_F(PhotoFolders, CheckPathOnTheFileSystem) {
  struct Case {
    std::string input;
    bool valid;
    std::string result;
  };
  const std::string r = root;
  std::string forward = r + "/Photos/";
  const Case cases[] = {
      {r + "\\Photos", true, r + "\\Photos"},
      {r + "\\Photos\\", true, r + "\\Photos"},
      {forward, true, r + "\\Photos"},
      {r + "\\Photos\\a.jpg", true, r + "\\Photos"},
      {r + "\\Photos\\noext", true, r + "\\Photos"},
      {r + "\\My.Photos\\2007", true, r + "\\My.Photos\\2007"},  // the dotted folder stays
      {r + "\\Photos\\missing.jpg", false, r + "\\Photos\\missing.jpg"},
      {r + "\\Nowhere", false, r + "\\Nowhere"},
      {"C:", true, "C:\\"},
      {"C:\\", true, "C:\\"},
  };
  for (const Case& c : cases) {
    char path[MAX_PATH + 2];
    std::strcpy(path, c.input.c_str());
    EXPECT_EQ(checkPath(path), c.valid) << c.input;
    EXPECT_EQ(std::string(path), c.result) << c.input;
  }
}

TEST_F(PhotoFolders, ListsFollowTheSubFolderSetting) {
  struct Case {
    const char* folder;
    bool recursive;
    std::set<std::string> expected;
  };
  const Case cases[] = {
      {"\\Photos", false, {"\\Photos\\a.jpg", "\\Photos\\B.JPG"}},
      {"\\Photos\\", false, {"\\Photos\\a.jpg", "\\Photos\\B.JPG"}},
      {"\\Photos\\a.jpg", false, {"\\Photos\\a.jpg", "\\Photos\\B.JPG"}},
      {"\\Photos", true,
       {"\\Photos\\a.jpg", "\\Photos\\B.JPG", "\\Photos\\sub\\e.png", "\\Photos\\sub\\deeper\\f.gif"}},
      // Only the chosen folder, not the dotted parent (nor its drive).
      {"\\My.Photos\\2007", true, {"\\My.Photos\\2007\\g.tga"}},
      {"\\Empty", true, {}},
  };
  for (const Case& c : cases) {
    settings.recursive = c.recursive;
    char path[MAX_PATH + 2];
    std::strcpy(path, (root + c.folder).c_str());
    PhotoList list(path);
    EXPECT_EQ(namesOf(list), c.expected) << c.folder << " recursive " << c.recursive;
    EXPECT_EQ(list.listEnd, static_cast<std::ptrdiff_t>(list.size()));
    EXPECT_TRUE(takeMessages().empty()) << c.folder;  // an empty folder is no error
  }
}

TEST_F(PhotoFolders, TreeKeepsEachSubFolderTogether) {
  settings.recursive = true;
  char path[MAX_PATH + 2];
  std::strcpy(path, (root + "\\Photos").c_str());
  PhotoList list(path);
  ASSERT_EQ(list.size(), 4u);
  // sub's photos, deeper's included, stand together wherever sub stood in the listing.
  auto inSub = [](const std::unique_ptr<PhotoEntry>& entry) {
    return entry->folder.find("\\sub") != std::string::npos;
  };
  auto first = std::find_if(list.entries.begin(), list.entries.end(), inSub);
  ASSERT_NE(first, list.entries.end());
  ASSERT_LE(first + 2, list.entries.end());
  EXPECT_TRUE(inSub(*(first + 1)));
  const PhotoEntry& photo = **std::find_if(list.entries.begin(), list.entries.end(),
                                           [](const auto& e) { return e->name == "B.JPG"; });
  EXPECT_EQ(photo.folder, root + "\\Photos");
  EXPECT_EQ(photo.kind, 1u);
}

TEST_F(PhotoFolders, InvalidPathIsReported) {
  char path[MAX_PATH + 2];
  std::strcpy(path, (root + "\\Nowhere").c_str());
  PhotoList list(path);
  EXPECT_EQ(list.size(), 0u);
  HWND box = FindWindowA("MsgBox Window", nullptr);
  ASSERT_NE(box, nullptr);
  char message[512] = "";
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    char className[32];
    GetClassNameA(child, className, sizeof className);
    if (lstrcmpiA(className, "Static") == 0) GetWindowTextA(child, message, sizeof message);
  }
  EXPECT_EQ(std::string(message), "Cesta '" + root + "\\Nowhere' není platnou cestou k souborům.");
  EXPECT_EQ(takeMessages(), (std::vector<std::string>{"Špatná cesta"}));
}

}  // namespace
