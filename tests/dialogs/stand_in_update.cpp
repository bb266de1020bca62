// A stand-in for update.dll: offers the environment's OVIX_TEST_OFFERED ("refuse" refuses the
// connection; "hang" writes the file "update-waiting" and never returns) and appends each call
// to OVIX_TEST_CALLS: C(address), G, D.
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
  note(std::string("C(") + address + ")");
  char text[256] = "";
  GetEnvironmentVariableA("OVIX_TEST_OFFERED", text, sizeof text);
  if (std::string(text) == "hang") {
    CloseHandle(CreateFileA("update-waiting", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    Sleep(INFINITE);
  }
  return (offered = text) != "refuse";
}
__declspec(dllexport) const char* _updateGetVersion() { return note("G"), offered.c_str(); }
// The text handed out changes: a caller still reading it afterwards sees a newer release.
__declspec(dllexport) void _updateDisconnect() { note("D"), offered = "Ovix 99"; }
}
