// Ovix started as a user starts it the first time, without a config.conf: its window covers the
// screen, it ends cleanly and leaves behind the complete config.conf of the defaults in the
// writer's form.
#include <gtest/gtest.h>

#include <regex>

#include "support/harness.h"

TEST(Startup, FirstRunWritesEveryDefaultToConfigConf) {
  OvixProcess ovix;
  ASSERT_TRUE(ovix.start([](const std::string& folder) { DeleteFileA((folder + "\\config.conf").c_str()); }));
  RECT place, screen = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  EXPECT_TRUE(waitFor([&] { return GetWindowRect(ovix.window(), &place) && EqualRect(&place, &screen); }));
  PostMessageA(ovix.window(), WM_CLOSE, 0, 0);
  ASSERT_TRUE(ovix.endsCleanly());

  // The window position and the texture size (half the driver's largest texture, stored when
  // OpenGL started) depend on the machine: only their form is fixed.
  std::string written = readFile(ovix.path("config.conf"));
  std::smatch size;
  ASSERT_TRUE(std::regex_search(written, size, std::regex("\t\ttexture_size=([0-9]+);\r\n")));
  const long textureSize = std::stol(size[1]);
  EXPECT_TRUE(textureSize >= 256 && (textureSize & (textureSize - 1)) == 0) << textureSize;
  written = std::regex_replace(written, std::regex("(\t\t(x|y|texture_size)=)-?[0-9]+;"), "$1N;");
  EXPECT_EQ(written,
            "[Configuration]\r\n\t[Program]\r\n\t\trecursive=false;\r\n\t\tfull_screen=true;\r\n"
            "\t\tlast_position=true;\r\n\t\tcheck_updates=true;\r\n\t\tbg_red=0;\r\n\t\tbg_green=0;\r\n"
            "\t\tbg_blue=0;\r\n\t\tx=N;\r\n\t\ty=N;\r\n\t\tphoto_dir=;\r\n\t\tlanguage=en;\r\n\t\tshow_info=false;\r\n\t\tshuffle=false;\r\n"
            "\t\tlast_photo=;\r\n\t[/Program]\r\n"
            "\t[Scene]\r\n\t\tphoto_names=false;\r\n\t\tflip_time=400;\r\n\t[/Scene]\r\n\t[Graphics]\r\n"
            "\t\tbits=24;\r\n\t\topacity=0;\r\n\t\tcache_level=8;\r\n\t\ttexture_size=N;\r\n"
            "\t\tsmoothing=true;\r\n\t[/Graphics]\r\n\t[Sound]\r\n\t\tmusic_dir=;\r\n\t\tmusic=false;\r\n"
            "\t[/Sound]\r\n\t[Effects]\r\n\t\teffect=1111;\r\n\t[/Effects]\r\n[/Configuration]\r\n");
  EXPECT_FALSE(fileExists(ovix.path("config.conf.tmp")) || fileExists(ovix.path("config.conf.bak")));
}
