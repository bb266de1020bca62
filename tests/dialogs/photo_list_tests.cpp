// The photo list window in this process: its rows and their count, with and without the
// sub-folders, and the folder setting left as typed. Which files a folder yields is the photo
// list's own test.
#include "dialog_test_support.h"

#include <commctrl.h>

#include <cstdio>

#include "dialogs/photo_list_window.h"
#include "platform/ansi_text.h"
#include "platform/path_text.h"

// Names beyond the ANSI code page (a Greek folder, Czech, Cyrillic and emoji names) show as
// they are in the rows and the path field.
TEST(PhotoListWindow, RowsAndCountFollowTheRecursiveSettingAndShowTheRealNames) {
  const Settings saved = settings;
  const std::string scratch = makeScratchFolder("ovix-list"), folder = scratch + utf8FromWide(L"\\\u03A6\u03C9\u03C4\u03BF");
  const std::wstring names[] = {L"\u0161\u00E1l.jpg", L"\u0444\u043E\u0442\u043E.png", L"notes.txt", L"\u044F\\c.gif"};
  ASSERT_TRUE(CreateDirectoryW(widePath(folder).c_str(), nullptr) &&
              CreateDirectoryW(widePath(folder + utf8FromWide(L"\\\u044F")).c_str(), nullptr));
  for (const std::wstring& name : names) ASSERT_TRUE(writeFile(folder + "\\" + utf8FromWide(name.c_str()), "x"));
  // The check drops the "/"; the setting keeps it.
  std::snprintf(settings.photoDir, sizeof settings.photoDir, "%s/", folder.c_str());
  LoadingReporter quiet;
  for (bool recursive : {false, true}) {
    settings.recursive = recursive;
    auto* window = new PhotoListWindow(quiet);
    EXPECT_EQ(SendMessageA(window->list->control, LVM_GETITEMCOUNT, 0, 0), recursive ? 3 : 2);
    EXPECT_EQ(windowText(window->countField), recursive ? "3" : "2");
    auto cell = [&](int row, int column) {
      wchar_t text[300] = L"";
      LVITEMW item = {};
      item.iSubItem = column, item.pszText = text, item.cchTextMax = 300;
      SendMessageW(window->list->control, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
      return std::wstring(text);
    };
    for (int row = 0; row < 2; ++row) EXPECT_TRUE(cell(row, 0) == widePath(folder) && cell(row, 1) == names[row]) << row;
    EXPECT_EQ(windowTextWide(window->pathField), widePath(folder) + L"/");
    DestroyWindow(window->handle);
  }
  EXPECT_EQ(std::string(settings.photoDir), folder + "/");
  removeFolder(scratch);
  settings = saved;
}
