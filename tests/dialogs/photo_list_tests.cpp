// The photo list window in this process: its rows and their count, with and without the
// sub-folders, and the folder setting left as typed. Which files a folder yields is the photo
// list's own test.
#include "dialog_test_support.h"

#include <commctrl.h>

#include <cstdio>

#include "dialogs/photo_list_window.h"
#include "platform/path_text.h"

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

// Rows, the path field and the column heads show names beyond the ANSI code page as they are.
TEST(PhotoListWindow, RowsAndFolderShowTheRealNames) {
  const Settings saved = settings;
  const std::string folder = makeScratchFolder("ovix-list") + utf8FromWide(L"\\\u03A6\u03C9\u03C4\u03BF");
  ASSERT_TRUE(CreateDirectoryW(widePath(folder).c_str(), nullptr));
  const std::wstring names[] = {L"\u0161\u00E1l.jpg", L"\u0444\u043E\u0442\u043E.png", L"\U0001F338.bmp"};
  for (const std::wstring& name : names) ASSERT_TRUE(writeFile(folder + "\\" + utf8FromWide(name.c_str()), "x"));
  std::snprintf(settings.photoDir, sizeof settings.photoDir, "%s", folder.c_str());
  settings.recursive = false;
  LoadingReporter quiet;
  auto* window = new PhotoListWindow(quiet);
  HWND control = window->list->control;
  ASSERT_EQ(SendMessageW(control, LVM_GETITEMCOUNT, 0, 0), 3);
  auto cell = [&](int row, int column) {
    wchar_t text[300] = L"";
    LVITEMW item = {};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = 300;
    SendMessageW(control, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
    return std::wstring(text);
  };
  for (int row = 0; row < 3; ++row) {
    EXPECT_EQ(cell(row, 0), widePath(folder)) << row;
    EXPECT_EQ(cell(row, 1), names[row]) << row;
  }
  wchar_t field[300] = L"";
  GetWindowTextW(window->pathField, field, 300);
  EXPECT_EQ(std::wstring(field), widePath(folder));
  wchar_t head[32] = L"";
  LVCOLUMNW column = {};
  column.mask = LVCF_TEXT;
  column.pszText = head;
  column.cchTextMax = 32;
  SendMessageW(control, LVM_GETCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
  EXPECT_EQ(std::wstring(head), L"Adres\u00E1\u0159");
  DestroyWindow(window->handle);
  removeFolder(folder.substr(0, folder.rfind('\\')));
  settings = saved;
}
