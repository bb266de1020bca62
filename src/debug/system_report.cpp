#include "debug/system_report.h"

#include <cstdio>

#include "platform/file_access.h"

namespace {
constexpr size_t configHeadBytes = 1024;
}  // namespace

std::string windowsName(uint32_t major, uint32_t minor, uint32_t build) {
  static const struct {
    uint32_t major, minor;
    const char* name;
  } names[] = {{4, 0, "Win 95/NT4.0"}, {4, 10, "Win 98"},         {4, 90, "Win ME"},
               {5, 0, "Win 2000"},     {5, 1, "Win XP"},          {5, 2, "Win 2003"},
               {6, 0, "Win Vista/2008"}, {6, 1, "Win 7/2008 R2"}, {6, 2, "Win 8/2012"},
               {6, 3, "Win 8.1/2012 R2"}};
  for (const auto& known : names)
    if (known.major == major && known.minor == minor) return known.name;
  if (major == 10 && minor == 0) return build >= 22000 ? "Win 11" : "Win 10";
  return "Windows " + std::to_string(major) + "." + std::to_string(minor);
}

std::string osLine(const std::string& name, const std::string& servicePack, uint32_t build) {
  return name + " " + servicePack + " (" + std::to_string(build) + ")";
}

std::string reportHead(const SystemFacts& facts) {
  std::string head = "OS:\r\n" + facts.osLine + "\r\n\r\nProcessor:\r\n" +
                     facts.processorIdentifier + "\r\n" + facts.processorName + "\r\n" +
                     std::to_string(facts.megahertz) + " MHz\r\n\r\nMemory:\r\n" +
                     std::to_string(facts.memoryMiB) + " MB\r\n\r\nGraphics:\r\n";
  if (facts.openGl)
    head += facts.vendor + " " + facts.renderer + "\r\n" +
            std::to_string(facts.maxTextureSize / 2) + " pix";
  else
    head += "no OpenGL context";
  return head + "\r\n\r\nConfig content:\r\n";
}

int writeSystemReport(const char* reportPath, const char* configPath, const SystemFacts& facts) {
  std::FILE* report = openFile(reportPath, "wb");
  if (!report) return -1;
  const std::string head = reportHead(facts);
  std::fwrite(head.data(), 1, head.size(), report);
  if (std::FILE* config = openFile(configPath, "rb")) {
    char bytes[configHeadBytes];
    const size_t count = std::fread(bytes, 1, sizeof bytes, config);
    std::fwrite(bytes, 1, count, report);
    std::fclose(config);
  }
  return std::fclose(report);
}
