// The system report's text and file: its graphics part with and without OpenGL, the head of
// config.conf it carries, and the names it gives Windows versions.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "debug/system_report.h"

namespace {
// 8191 is halved as a signed division.
SystemFacts sampleFacts(bool openGl) {
  return {osLine("Win 10", "", 19045), "Intel64 Family 6", "Some CPU", 2904, 16384, openGl, "Mesa", "llvmpipe", 8191};
}
}  // namespace

// The graphics part names the driver and half the largest texture size, or that there is none.
TEST(SystemReport, GraphicsWithAndWithoutOpenGl) {
  EXPECT_NE(reportHead(sampleFacts(true)).find("\r\nMesa llvmpipe\r\n4095 pix\r\n"), std::string::npos);
  EXPECT_NE(reportHead(sampleFacts(false)).find("\r\nno OpenGL context\r\n"), std::string::npos);
}

// The first 1024 bytes of the settings, the whole of a short file, nothing without one; each
// call replaces the report.
TEST(SystemReport, CarriesTheHeadOfTheSettingsAndReplacesTheOldReport) {
  const char *report = "report_test_debug.txt", *config = "report_test_config.conf";
  std::string settings;
  for (int i = 0; settings.size() < 1500; ++i) settings += "line " + std::to_string(i) + "\r\n";
  for (const std::string& stored : {settings, std::string("short\r\n"), std::string()}) {
    if (stored.empty()) std::remove(config);
    else std::ofstream(config, std::ios::binary) << stored;
    EXPECT_EQ(writeSystemReport(report, config, sampleFacts(true)), 0);
    std::stringstream written;
    written << std::ifstream(report, std::ios::binary).rdbuf();
    EXPECT_EQ(written.str(), reportHead(sampleFacts(true)) + stored.substr(0, 1024));
  }
  std::remove(report);
  EXPECT_EQ(writeSystemReport("no-such-folder/debug.txt", config, sampleFacts(true)), -1);
}

TEST(SystemReport, WindowsNames) {
  const std::tuple<uint32_t, uint32_t, uint32_t, const char*> cases[] = {
      {4, 0, 950, "Win 95/NT4.0"},     {4, 10, 1998, "Win 98"},     {4, 90, 3000, "Win ME"},
      {5, 0, 2195, "Win 2000"},        {5, 1, 2600, "Win XP"},      {5, 2, 3790, "Win 2003"},
      {6, 0, 6002, "Win Vista/2008"},  {6, 1, 7601, "Win 7/2008 R2"}, {6, 2, 9200, "Win 8/2012"},
      {6, 3, 9600, "Win 8.1/2012 R2"}, {10, 0, 21999, "Win 10"},    {10, 0, 22000, "Win 11"},
      {6, 4, 9841, "Windows 6.4"},     {11, 0, 30000, "Windows 11.0"}};
  for (const auto& [major, minor, build, name] : cases)
    EXPECT_EQ(windowsName(major, minor, build), name) << major << "." << minor;
}
