// The photo list window in this process: its rows and count with and without sub-folders, an
// invalid folder, the grid check box, two windows at once, and screenshots.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "dialog_test_support.h"
#include "dialogs/photo_list_window.h"
#include "structure/settings.h"

namespace {
class PhotoListTest : public ::testing::Test {
protected:
  // A folder of three photos and a text file, with a sub-folder of two more photos.
  void SetUp() override {
    saved = settings;
    folder = makeScratchFolder("ovix-list");
    for (const char* name : {"b.jpg", "a.png", "notes.txt", "c.BMP"}) ASSERT_TRUE(writeFile(folder + "\\" + name, "x"));
    CreateDirectoryA((folder + "\\sub").c_str(), nullptr);
    for (const char* name : {"d.gif", "e.tga"}) ASSERT_TRUE(writeFile(folder + "\\sub\\" + name, "x"));
  }
  void TearDown() override {
    for (const char* className : {"Ovix - Seznam fotek", "MsgBox Window"})
      for (HWND window : threadWindows(className)) DestroyWindow(window);
    removeFolder(folder);
    settings = saved;
  }
  PhotoListWindow* open(const std::string& photoDir, bool recursive) {
    std::snprintf(settings.photoDir, sizeof settings.photoDir, "%s", photoDir.c_str());
    settings.recursive = recursive;
    return new PhotoListWindow();
  }
  static void click(HWND control) { SendMessageA(control, BM_CLICK, 0, 0); }
  static std::string cell(HWND list, int row, int column) {
    char text[MAX_PATH] = "";
    LVITEMA item = {};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    SendMessageA(list, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
    return text;
  }
  static std::vector<std::string> rows(const PhotoListWindow& window) {
    std::vector<std::string> all;
    const LRESULT count = SendMessageA(window.list->control, LVM_GETITEMCOUNT, 0, 0);
    for (int row = 0; row < count; ++row)
      all.push_back(cell(window.list->control, row, 0) + " | " + cell(window.list->control, row, 1));
    return all;
  }

  Settings saved;
  std::string folder;
};

TEST_F(PhotoListTest, ListsTheFolderWithSubFoldersOnlyWhenRecursive) {
  std::vector<PhotoListWindow*> windows;
  for (bool recursive : {false, true}) {
    PhotoListWindow* window = open(folder, recursive);
    windows.push_back(window);
    std::vector<std::string> listed = rows(*window);
    std::sort(listed.begin(), listed.end());
    std::vector<std::string> expected = {folder + " | a.png", folder + " | b.jpg", folder + " | c.BMP"};
    if (recursive) expected.insert(expected.end(), {folder + "\\sub | d.gif", folder + "\\sub | e.tga"});
    EXPECT_EQ(listed, expected) << recursive;
    EXPECT_EQ(windowText(window->countField), std::to_string(expected.size()));
    EXPECT_EQ(windowText(window->pathField), folder);
    EXPECT_EQ(windowText(window->handle), "Ovix - Seznam fotek");
  }
  // Both are open at once; closing one leaves the other working.
  HWND first = windows[0]->handle, second = windows[1]->handle;
  SendMessageA(windows[0]->gridBox, WM_KEYUP, VK_ESCAPE, 0);  // Esc where the focus is
  EXPECT_FALSE(IsWindow(first));
  ASSERT_TRUE(IsWindow(second));
  EXPECT_EQ(rows(*windows[1]).size(), 5u);
  click(windows[1]->closeButton);
  EXPECT_FALSE(IsWindow(second));
}

TEST_F(PhotoListTest, AnInvalidFolderListsNothingAndSaysSo) {
  PhotoListWindow* window = open(folder + "\\missing", false);
  EXPECT_EQ(SendMessageA(window->list->control, LVM_GETITEMCOUNT, 0, 0), 0);
  EXPECT_EQ(windowText(window->countField), "0");
  const std::vector<HWND> boxes = threadWindows("MsgBox Window");
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(windowText(boxes[0]), "Špatná cesta");
}

TEST_F(PhotoListTest, TheGridCheckBoxTurnsGridLinesOnAndOffAndScreenshots) {
  for (const char* language : {"cz", "en"}) {
    std::snprintf(settings.language, sizeof settings.language, "%s", language);
    PhotoListWindow* window = open(folder, true);
    for (bool expected : {true, false, true}) {
      click(window->gridBox);
      const LRESULT style = SendMessageA(window->list->control, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0);
      EXPECT_EQ((style & LVS_EX_GRIDLINES) != 0, expected);
      EXPECT_NE(style & LVS_EX_FULLROWSELECT, 0);
      EXPECT_EQ(SendMessageA(window->gridBox, BM_GETCHECK, 0, 0), expected ? BST_CHECKED : BST_UNCHECKED);
    }
    Capture capture;
    POINT client;
    EXPECT_TRUE(captureWindow(window->handle, (std::string("photo-list-") + language + ".png").c_str(), capture, client));
    DestroyWindow(window->handle);
  }
}
}  // namespace
