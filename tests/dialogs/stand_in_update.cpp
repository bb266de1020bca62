// A stand-in for update.dll: offers the version named by the environment's OVIX_TEST_OFFERED
// ("refuse" refuses the connection) and appends each call to OVIX_TEST_CALLS: L for loading,
// C(address), G and D.
#include <windows.h>

#include <string>

namespace {
std::string offered;

void note(const std::string& call) {
  char calls[512] = "";
  GetEnvironmentVariableA("OVIX_TEST_CALLS", calls, sizeof calls);
  SetEnvironmentVariableA("OVIX_TEST_CALLS", (calls + call).c_str());
}
}  // namespace

extern "C" {
__declspec(dllexport) bool _updateConnect(const char* address) {
  note(std::string("C(") + (address ? address : "null") + ")");
  char text[256] = "";
  GetEnvironmentVariableA("OVIX_TEST_OFFERED", text, sizeof text);
  offered = text;
  return offered != "refuse";
}

__declspec(dllexport) const char* _updateGetVersion() {
  note("G");
  return offered.c_str();
}

// The text handed out is no longer valid: a caller reading it afterwards sees something else.
__declspec(dllexport) void _updateDisconnect() {
  note("D");
  offered = "Ovix 99 (after disconnect)";
}

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) note("L");
  return TRUE;
}
}
