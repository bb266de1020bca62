// Ovix started as a user starts it the first time: the main window's mode and frame, its end,
// and the complete config.conf in the writer's form that it leaves behind; then a change saved
// through Ctrl+N, which the next start follows.
#include <gtest/gtest.h>

#include <regex>

#include "show_driver.h"

TEST(Startup, FirstRunIsBorderlessFullScreenAndCtrlNSavesWhatTheNextStartFollows) {
  OvixProcess ovix;
  ASSERT_TRUE(ovix.start([](const std::string& folder) { DeleteFileA((folder + "\\config.conf").c_str()); }) &&
              ovix.waitForWindow());
  HWND window = ovix.window();
  RECT place;
  ASSERT_TRUE(waitFor([&] {
    GetWindowRect(window, &place);
    return place.left == 0 && place.top == 0 && place.right == GetSystemMetrics(SM_CXSCREEN) &&
           place.bottom == GetSystemMetrics(SM_CYSCREEN);
  }));
  const LONG style = GetWindowLongA(window, GWL_STYLE);
  EXPECT_TRUE(style & WS_POPUP);
  EXPECT_NE(style & WS_CAPTION, WS_CAPTION);  // a thin border, no title bar
  Capture capture;
  ASSERT_TRUE(ovix.captureClient(capture));
  capture.savePng("startup-default.png");

  // The configuration dialog: the program page's full screen box unticked and saved.
  HWND dialog = pressControlKey(ovix, 'N', "Ovix - Nastavení");
  ASSERT_TRUE(dialog);
  SendMessageA(GetDlgItem(FindWindowExA(dialog, nullptr, "Program Config", nullptr), 2), BM_CLICK, 0, 0);
  PostMessageA(FindWindowExA(dialog, nullptr, "Button", "Save"), BM_CLICK, 0, 0);
  ASSERT_TRUE(waitFor([&] { return !IsWindow(dialog); }));
  EXPECT_NE(readFile(ovix.path("config.conf")).find("full_screen=false;"), std::string::npos);  // saved at once
  PostMessageA(ovix.window(), WM_CLOSE, 0, 0);
  ASSERT_TRUE(ovix.endsCleanly());

  // Every default but the saved change. The window position and the texture size (half the
  // driver's largest texture, stored when OpenGL started) depend on the machine: only their
  // form is fixed.
  std::string written = readFile(ovix.path("config.conf"));
  std::smatch size;
  ASSERT_TRUE(std::regex_search(written, size, std::regex("\t\ttexture_size=([0-9]+);\r\n")));
  const long textureSize = std::stol(size[1]);
  EXPECT_TRUE(textureSize >= 256 && (textureSize & (textureSize - 1)) == 0) << textureSize;
  written = std::regex_replace(written, std::regex("(\t\t(x|y|texture_size)=)-?[0-9]+;"), "$1N;");
  EXPECT_EQ(written,
            "[Configuration]\r\n\t[Program]\r\n\t\trecursive=false;\r\n\t\tfull_screen=false;\r\n"
            "\t\tlast_position=true;\r\n\t\tcheck_updates=true;\r\n\t\tbg_red=0;\r\n\t\tbg_green=0;\r\n"
            "\t\tbg_blue=0;\r\n\t\tx=N;\r\n\t\ty=N;\r\n\t\tphoto_dir=;\r\n\t\tlanguage=en;\r\n\t[/Program]\r\n"
            "\t[Scene]\r\n\t\tphoto_names=false;\r\n\t\tflip_time=400;\r\n\t[/Scene]\r\n\t[Graphics]\r\n"
            "\t\tbits=24;\r\n\t\topacity=0;\r\n\t\tcache_level=8;\r\n\t\ttexture_size=N;\r\n"
            "\t\tsmoothing=true;\r\n\t[/Graphics]\r\n\t[Sound]\r\n\t\tmusic_dir=;\r\n\t\tmusic=false;\r\n"
            "\t[/Sound]\r\n\t[Effects]\r\n\t\teffect=1111;\r\n\t[/Effects]\r\n[/Configuration]\r\n");
  EXPECT_FALSE(fileExists(ovix.path("config.conf.tmp")));
  EXPECT_FALSE(fileExists(ovix.path("config.conf.bak")));

  // The next start reads the file: a window with its title bar.
  ASSERT_TRUE(ovix.startIn(ovix.folder()) && ovix.waitForWindow());
  EXPECT_EQ(GetWindowLongA(ovix.window(), GWL_STYLE) & WS_CAPTION, WS_CAPTION);
  PostMessageA(ovix.window(), WM_CLOSE, 0, 0);
  ASSERT_TRUE(ovix.endsCleanly());
}
