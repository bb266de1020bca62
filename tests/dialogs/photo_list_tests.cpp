// The photo list window in this process: its rows and their count, with and without the
// sub-folders, and the folder setting left as typed. Which files a folder yields is the photo
// list's own test.
#include "dialog_test_support.h"

#include <commctrl.h>

#include <cstdio>

#include "dialogs/photo_list_window.h"

TEST(PhotoListWindow, RowsAndCountFollowTheRecursiveSetting) {
  const Settings saved = settings;
  const std::string folder = makeScratchFolder("ovix-list");
  CreateDirectoryA((folder + "\\sub").c_str(), nullptr);
  for (const char* name : {"b.jpg", "a.png", "notes.txt", "sub\\c.gif"}) ASSERT_TRUE(writeFile(folder + "\\" + name, "x"));
  // The check drops the "/"; the setting keeps it.
  std::snprintf(settings.photoDir, sizeof settings.photoDir, "%s/", folder.c_str());
  LoadingReporter quiet;
  for (bool recursive : {false, true}) {
    settings.recursive = recursive;
    auto* window = new PhotoListWindow(quiet);
    EXPECT_EQ(SendMessageA(window->list->control, LVM_GETITEMCOUNT, 0, 0), recursive ? 3 : 2);
    EXPECT_EQ(windowText(window->countField), recursive ? "3" : "2");
    DestroyWindow(window->handle);
  }
  EXPECT_EQ(std::string(settings.photoDir), folder + "/");
  removeFolder(folder);
  settings = saved;
}
