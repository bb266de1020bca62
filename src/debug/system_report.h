#pragma once
// The system report users attach to problem reports: the operating system, processor, memory,
// graphics driver and the head of config.conf, as plain text. This half knows the layout and
// writes the file; debug.dll gathers the facts from the machine.
#include <cstdint>
#include <string>

struct SystemFacts {
  std::string osLine;               // name, service pack and build, see osLine()
  std::string processorIdentifier;  // empty when unknown
  std::string processorName;
  uint32_t megahertz = 0;           // 0 when unknown
  uint64_t memoryMiB = 0;           // physical memory in whole MiB
  bool openGl = false;              // a rendering context was current; the rest is its answer
  std::string vendor;
  std::string renderer;
  int32_t maxTextureSize = 0;
};

// The system's name for Windows `major`.`minor`: the classic names, Windows 7 to 11 by their
// own names (10.0 from build 22000 on is Windows 11), "Windows N.N" for anything else.
std::string windowsName(uint32_t major, uint32_t minor, uint32_t build);
// "<name> <service pack> (<build>)".
std::string osLine(const std::string& name, const std::string& servicePack, uint32_t build);

// The report's text up to and including the "Config content:" line, with CR LF line ends.
// Without OpenGL the graphics lines read "no OpenGL context".
std::string reportHead(const SystemFacts& facts);

// Writes the report to `reportPath`, replacing an older one: the head, then the first 1024
// bytes of `configPath` exactly as stored (nothing when it cannot be read). Returns the result
// of closing the report (0 on success), or -1 when it could not be created.
int writeSystemReport(const char* reportPath, const char* configPath, const SystemFacts& facts);
