// The configuration dialog and the photo list window as a user reaches them: Ctrl+N, a saved
// change that survives a restart, and Ctrl+L listing a real folder.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "support/harness.h"

namespace {
// Ctrl+key as the keyboard sends it to the main window; the visible window of `className`
// that the process then shows, or none.
HWND pressControlKeyFor(OvixProcess& ovix, int key, const char* className) {
  DWORD processId = 0;
  GetWindowThreadProcessId(ovix.window(), &processId);
  PostMessageA(ovix.window(), WM_KEYDOWN, VK_CONTROL, 0);
  PostMessageA(ovix.window(), WM_KEYDOWN, key, 0);
  HWND found = nullptr;
  waitFor([&] { return (found = findProcessWindow(processId, className)) && IsWindowVisible(found); });
  PostMessageA(ovix.window(), WM_KEYUP, key, 0);
  PostMessageA(ovix.window(), WM_KEYUP, VK_CONTROL, 0);
  return found;
}

std::string text(HWND window) {
  char buffer[MAX_PATH] = "";
  SendMessageA(window, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer));
  return buffer;
}

HWND musicBoxOf(HWND dialog) {
  return FindWindowExA(FindWindowExA(dialog, nullptr, "Sound Config", nullptr), nullptr, "Button", nullptr);
}
}  // namespace

TEST(ConfigurationAndList, ASavedChangeSurvivesARestartAndCtrlLCountsTheFolder) {
  const std::string photos = makeScratchFolder("ovix-listed");
  for (const char* name : {"a.jpg", "b.png", "c.bmp", "d.gif", "e.tga", "notes.txt"}) writeFile(photos + "\\" + name, "x");
  std::string escaped;
  for (char c : photos) escaped += c == '\\' ? std::string("\\\\") : std::string(1, c);
  std::string config = "[Configuration][Program]full_screen=false;check_updates=false;photo_dir=\"" + escaped +
                       "\";[/Program][/Configuration]";

  OvixProcess first;
  ASSERT_TRUE(first.start([&](const std::string& folder) { writeFile(folder + "\\config.conf", config); }));
  ASSERT_TRUE(first.waitForWindow());
  HWND dialog = pressControlKeyFor(first, 'N', "Ovix - Nastavení");
  ASSERT_TRUE(dialog);
  SendMessageA(musicBoxOf(dialog), BM_CLICK, 0, 0);
  PostMessageA(FindWindowExA(dialog, nullptr, "Button", "Save"), BM_CLICK, 0, 0);
  ASSERT_TRUE(waitFor([&] { return !IsWindow(dialog); }));
  config = readFile(first.path("config.conf"));
  EXPECT_NE(config.find("music=true;"), std::string::npos);

  HWND list = pressControlKeyFor(first, 'L', "Ovix - Seznam fotek");
  ASSERT_TRUE(list);
  HWND pathField = FindWindowExA(list, nullptr, "Edit", nullptr);
  EXPECT_EQ(text(pathField), photos);
  EXPECT_EQ(text(FindWindowExA(list, pathField, "Edit", nullptr)), "5");
  PostMessageA(first.window(), WM_CLOSE, 0, 0);
  ASSERT_TRUE(first.waitForExit(30000, nullptr));

  // Started again with that file, the dialog shows the change.
  OvixProcess second;
  ASSERT_TRUE(second.start([&](const std::string& folder) { writeFile(folder + "\\config.conf", config); }));
  ASSERT_TRUE(second.waitForWindow());
  dialog = pressControlKeyFor(second, 'N', "Ovix - Nastavení");
  ASSERT_TRUE(dialog);
  EXPECT_EQ(SendMessageA(musicBoxOf(dialog), BM_GETCHECK, 0, 0), BST_CHECKED);
  removeFolder(photos);
}
