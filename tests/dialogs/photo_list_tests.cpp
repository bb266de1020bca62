// The photo list window in this process: its rows and count, the grid check box, and two
// windows at once. Which files a folder yields is the photo list's own test.
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

TEST_F(PhotoListTest, RowsAndCountOfTheFolderAndTwoWindowsAtOnce) {
  PhotoListWindow* windows[2] = {open(folder, true), open(folder, true)};
  std::vector<std::string> listed = rows(*windows[0]);
  std::sort(listed.begin(), listed.end());
  EXPECT_EQ(listed, (std::vector<std::string>{folder + " | a.png", folder + " | b.jpg", folder + " | c.BMP",
                                              folder + "\\sub | d.gif", folder + "\\sub | e.tga"}));
  EXPECT_EQ(windowText(windows[0]->countField), "5");
  EXPECT_EQ(windowText(windows[0]->pathField), folder);
  // Closing one leaves the other working.
  HWND first = windows[0]->handle, second = windows[1]->handle;
  SendMessageA(windows[0]->gridBox, WM_KEYUP, VK_ESCAPE, 0);  // Esc where the focus is
  EXPECT_FALSE(IsWindow(first));
  ASSERT_TRUE(IsWindow(second));
  EXPECT_EQ(rows(*windows[1]).size(), 5u);
  click(windows[1]->closeButton);
  EXPECT_FALSE(IsWindow(second));
}

TEST_F(PhotoListTest, TheGridCheckBoxTurnsGridLinesOnAndOff) {
  PhotoListWindow* window = open(folder, false);
  EXPECT_EQ(windowText(window->countField), "3");
  for (bool expected : {true, false}) {
    click(window->gridBox);
    const LRESULT style = SendMessageA(window->list->control, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0);
    EXPECT_EQ((style & LVS_EX_GRIDLINES) != 0, expected);
    EXPECT_EQ(SendMessageA(window->gridBox, BM_GETCHECK, 0, 0), expected ? BST_CHECKED : BST_UNCHECKED);
  }
}
}  // namespace
