// config.conf as a user meets it: Ovix started in a folder without one leaves a complete
// file in the writer's form when it is closed.
#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <vector>

#include "support/harness.h"

namespace {
// The lines of the file Ovix writes, without their CR LF; false when a line ends otherwise.
bool linesOf(const std::string& text, std::vector<std::string>& lines) {
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find("\r\n", start);
    if (end == std::string::npos) return false;
    std::string line = text.substr(start, end - start);
    if (line.find('\n') != std::string::npos) return false;
    lines.push_back(line);
    start = end + 2;
  }
  return true;
}

// The number in a line "<tabs>key=<number>;", or false when the line is not of that form.
bool numberIn(const std::string& line, const std::string& key, long& number) {
  std::string prefix = "\t\t" + key + "=";
  if (line.compare(0, prefix.size(), prefix) != 0 || line.back() != ';') return false;
  std::string digits = line.substr(prefix.size(), line.size() - prefix.size() - 1);
  char* end = nullptr;
  number = strtol(digits.c_str(), &end, 10);
  return !digits.empty() && *end == '\0';
}
}  // namespace

TEST(ConfigFile, FirstRunLeavesACompleteConfigurationInTheWritersForm) {
  OvixProcess ovix;
  ASSERT_TRUE(ovix.start([](const std::string& folder) { DeleteFileA((folder + "\\config.conf").c_str()); }));
  ASSERT_TRUE(ovix.waitForWindow());
  PostMessageA(ovix.window(), WM_CLOSE, 0, 0);
  DWORD exitCode = 99;
  ASSERT_TRUE(ovix.waitForExit(30000, &exitCode));
  EXPECT_EQ(exitCode, 0u);

  std::vector<std::string> lines;
  ASSERT_TRUE(linesOf(readFile(ovix.path("config.conf")), lines)) << "every line ends in CR LF";
  // x, y and texture_size depend on the screen and the driver: only their form is fixed.
  const std::vector<std::string> expected = {
      "[Configuration]", "\t[Program]", "\t\trecursive=false;", "\t\tfull_screen=true;",
      "\t\tlast_position=true;", "\t\tcheck_updates=true;", "\t\tbg_red=0;", "\t\tbg_green=0;",
      "\t\tbg_blue=0;", "x", "y", "\t\tphoto_dir=;", "\t\tlanguage=en;", "\t[/Program]", "\t[Scene]",
      "\t\tphoto_names=false;", "\t\tflip_time=400;", "\t[/Scene]", "\t[Graphics]", "\t\tbits=24;",
      "\t\topacity=0;", "\t\tcache_level=8;", "texture_size", "\t\tsmoothing=true;", "\t[/Graphics]",
      "\t[Sound]", "\t\tmusic_dir=;", "\t\tmusic=false;", "\t[/Sound]", "\t[Effects]", "\t\teffect=1111;",
      "\t[/Effects]", "[/Configuration]"};
  ASSERT_EQ(lines.size(), expected.size()) << readFile(ovix.path("config.conf"));
  for (size_t i = 0; i < expected.size(); ++i) {
    long number = 0;
    if (expected[i] == "texture_size") {
      // Half the driver's largest texture, stored when OpenGL started.
      ASSERT_TRUE(numberIn(lines[i], expected[i], number)) << lines[i];
      EXPECT_GE(number, 256);
      EXPECT_EQ(number & (number - 1), 0) << "a power of two";
    } else if (expected[i] == "x" || expected[i] == "y") {
      EXPECT_TRUE(numberIn(lines[i], expected[i], number)) << lines[i];
    } else {
      EXPECT_EQ(lines[i], expected[i]);
    }
  }
  EXPECT_FALSE(fileExists(ovix.path("config.conf.tmp")));
  EXPECT_FALSE(fileExists(ovix.path("config.conf.bak")));
}
