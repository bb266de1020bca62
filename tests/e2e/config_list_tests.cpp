// The configuration dialog and the photo list window as a user reaches them: Ctrl+N saving a
// change to config.conf, and Ctrl+L listing a real folder. Reading the file back is the
// settings test's and the dialog's round trip.
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

}  // namespace

TEST(ConfigurationAndList, CtrlNSavesAChangeAndCtrlLCountsTheFolder) {
  const std::string photos = makeScratchFolder("ovix-listed");
  for (const char* name : {"a.jpg", "b.png", "c.bmp", "d.gif", "e.tga", "notes.txt"}) writeFile(photos + "\\" + name, "x");
  std::string escaped;
  for (char c : photos) escaped += c == '\\' ? std::string("\\\\") : std::string(1, c);
  const std::string config = "[Configuration][Program]full_screen=false;check_updates=false;photo_dir=\"" + escaped +
                             "\";[/Program][/Configuration]";

  OvixProcess ovix;
  ASSERT_TRUE(ovix.start([&](const std::string& folder) { writeFile(folder + "\\config.conf", config); }));
  ASSERT_TRUE(ovix.waitForWindow());
  HWND dialog = pressControlKeyFor(ovix, 'N', "Ovix - Nastavení");
  ASSERT_TRUE(dialog);
  HWND soundPage = FindWindowExA(dialog, nullptr, "Sound Config", nullptr);
  SendMessageA(FindWindowExA(soundPage, nullptr, "Button", nullptr), BM_CLICK, 0, 0);
  PostMessageA(FindWindowExA(dialog, nullptr, "Button", "Save"), BM_CLICK, 0, 0);
  ASSERT_TRUE(waitFor([&] { return !IsWindow(dialog); }));
  EXPECT_NE(readFile(ovix.path("config.conf")).find("music=true;"), std::string::npos);

  HWND list = pressControlKeyFor(ovix, 'L', "Ovix - Seznam fotek");
  ASSERT_TRUE(list);
  HWND pathField = FindWindowExA(list, nullptr, "Edit", nullptr);
  EXPECT_EQ(text(pathField), photos);
  EXPECT_EQ(text(FindWindowExA(list, pathField, "Edit", nullptr)), "5");
  PostMessageA(ovix.window(), WM_CLOSE, 0, 0);
  ASSERT_TRUE(ovix.waitForExit(30000, nullptr));
  removeFolder(photos);
}
