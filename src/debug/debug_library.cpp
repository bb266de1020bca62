// debug.dll: gathers the facts of the machine it runs on and writes ./logs/debug.txt.
#include <windows.h>
#include <GL/gl.h>

#include "debug/system_report.h"
#include "platform/file_access.h"

namespace {
using RtlGetVersionCall = LONG(WINAPI*)(OSVERSIONINFOW*);

std::string narrow(const wchar_t* text) {
  char buffer[256] = "";
  WideCharToMultiByte(CP_ACP, 0, text, -1, buffer, sizeof buffer, nullptr, nullptr);
  buffer[sizeof buffer - 1] = '\0';
  return buffer;
}

// GetVersionExA answers 6.2 to every program without a compatibility manifest; ntdll's
// RtlGetVersion tells the truth.
std::string operatingSystem() {
  OSVERSIONINFOW version = {};
  version.dwOSVersionInfoSize = sizeof version;
  HMODULE ntdll = GetModuleHandleA("ntdll.dll");
  auto getVersion = ntdll ? reinterpret_cast<RtlGetVersionCall>(reinterpret_cast<void*>(
                                GetProcAddress(ntdll, "RtlGetVersion")))
                          : nullptr;
  if (!getVersion || getVersion(&version) != 0) return osLine("", "", 0);
  return osLine(windowsName(version.dwMajorVersion, version.dwMinorVersion, version.dwBuildNumber),
                narrow(version.szCSDVersion), version.dwBuildNumber);
}

// A text value of at most 100 bytes; empty when it cannot be read.
std::string registryText(HKEY key, const char* name) {
  char text[101] = "";
  DWORD size = sizeof text - 1;
  DWORD type = 0;
  if (RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(text), &size) !=
          ERROR_SUCCESS ||
      (type != REG_SZ && type != REG_EXPAND_SZ))
    return "";
  text[size < sizeof text ? size : sizeof text - 1] = '\0';
  return text;
}

void readProcessor(SystemFacts& facts) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "HARDWARE\\DESCRIPTION\\System\\CentralProcessor\\0", 0,
                    KEY_READ, &key) != ERROR_SUCCESS)
    return;
  DWORD megahertz = 0, size = sizeof megahertz, type = 0;
  if (RegQueryValueExA(key, "~MHz", nullptr, &type, reinterpret_cast<BYTE*>(&megahertz), &size) ==
          ERROR_SUCCESS &&
      type == REG_DWORD)
    facts.megahertz = megahertz;
  facts.processorIdentifier = registryText(key, "Identifier");
  facts.processorName = registryText(key, "ProcessorNameString");
  RegCloseKey(key);
}

std::string glText(GLenum which) {
  const GLubyte* text = glGetString(which);
  return text ? reinterpret_cast<const char*>(text) : "";
}

SystemFacts gatherFacts() {
  SystemFacts facts;
  facts.osLine = operatingSystem();
  readProcessor(facts);
  MEMORYSTATUSEX memory = {};
  memory.dwLength = sizeof memory;
  if (GlobalMemoryStatusEx(&memory)) facts.memoryMiB = memory.ullTotalPhys >> 20;
  facts.openGl = wglGetCurrentContext() != nullptr;
  if (facts.openGl) {
    GLint size = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &size);
    facts.maxTextureSize = size;
    facts.vendor = glText(GL_VENDOR);
    facts.renderer = glText(GL_RENDERER);
  }
  return facts;
}
}  // namespace

extern "C" {
// Writes ./logs/debug.txt (creating ./logs) and returns the result of closing it: 0 on
// success, -1 when the report could not be created. Call it on the thread whose OpenGL
// context should be described; without one the report says so.
__declspec(dllexport) int _printSystemInfo() {
  makeFolder("./logs");
  return writeSystemReport("./logs/debug.txt", "./config.conf", gatherFacts());
}

// Nothing to set up or tear down.
BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
}
