// The system report's text and file: its layout with and without OpenGL, the head of
// config.conf it carries, and the names it gives Windows versions.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "debug/system_report.h"

namespace {
std::string contents(const char* path) {
  std::ifstream file(path, std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

void store(const char* path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

SystemFacts sampleFacts(bool openGl) {
  SystemFacts facts;
  facts.osLine = osLine("Win 10", "", 19045);
  facts.processorIdentifier = "Intel64 Family 6";
  facts.processorName = "Some CPU";
  facts.megahertz = 2904;
  facts.memoryMiB = 16384;  // more than 4 GiB fits
  facts.openGl = openGl;
  facts.vendor = "Mesa";
  facts.renderer = "llvmpipe";
  facts.maxTextureSize = 8191;  // halved as a signed division
  return facts;
}
}  // namespace

TEST(SystemReport, LayoutWithAndWithoutOpenGl) {
  const std::string common =
      "OS:\r\nWin 10  (19045)\r\n\r\nProcessor:\r\nIntel64 Family 6\r\nSome CPU\r\n2904 MHz\r\n\r\n"
      "Memory:\r\n16384 MB\r\n\r\nGraphics:\r\n";
  EXPECT_EQ(reportHead(sampleFacts(true)),
            common + "Mesa llvmpipe\r\n4095 pix\r\n\r\nConfig content:\r\n");
  EXPECT_EQ(reportHead(sampleFacts(false)), common + "no OpenGL context\r\n\r\nConfig content:\r\n");
}

TEST(SystemReport, FileCarriesTheFirstKibibyteOfTheSettingsAndIsReplacedEachTime) {
  const char* report = "report_test_debug.txt";
  const char* config = "report_test_config.conf";
  const std::string head = reportHead(sampleFacts(true));
  std::string settings;
  for (int i = 0; settings.size() < 1500; ++i) settings += "line " + std::to_string(i) + "\r\n";
  settings.resize(1500);
  store(config, settings);

  for (int call = 0; call < 2; ++call) {
    EXPECT_EQ(writeSystemReport(report, config, sampleFacts(true)), 0);
    EXPECT_EQ(contents(report), head + settings.substr(0, 1024)) << "call " << call;
  }
  store(config, "short\r\n");
  EXPECT_EQ(writeSystemReport(report, config, sampleFacts(true)), 0);
  EXPECT_EQ(contents(report), head + "short\r\n");

  std::remove(config);
  EXPECT_EQ(writeSystemReport(report, config, sampleFacts(true)), 0);
  EXPECT_EQ(contents(report), head);
  std::remove(report);

  EXPECT_EQ(writeSystemReport("no-such-folder/debug.txt", config, sampleFacts(true)), -1);
}

TEST(SystemReport, WindowsNames) {
  const struct {
    uint32_t major, minor, build;
    const char* name;
  } cases[] = {
      {4, 90, 3000, "Win ME"},          {5, 2, 3790, "Win 2003"},
      {6, 0, 6002, "Win Vista/2008"},   {6, 1, 7601, "Win 7/2008 R2"},
      {6, 2, 9200, "Win 8/2012"},       {6, 3, 9600, "Win 8.1/2012 R2"},
      {10, 0, 21999, "Win 10"},         {10, 0, 22000, "Win 11"},
      {6, 4, 9841, "Windows 6.4"},      {5, 3, 0, "Windows 5.3"},
      {11, 0, 30000, "Windows 11.0"},
  };
  for (const auto& known : cases)
    EXPECT_EQ(windowsName(known.major, known.minor, known.build), known.name)
        << known.major << "." << known.minor << " build " << known.build;
}
