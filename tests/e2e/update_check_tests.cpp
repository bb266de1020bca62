// Ovix's update check against real HTTP servers on this machine (update_server.py, started
// around this test): the notice appears a moment after start-up only for a newer release, and
// Ovix starts and quits at once whatever the server does.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "support/harness.h"

namespace {
std::string serversFolder() { return folderFromEnvironment("OVIX_UPDATE_SERVERS"); }

std::string serverPort(const std::string& name) {
  std::istringstream lines(readFile(serversFolder() + "\\ports"));
  std::string server, port;
  while (lines >> server >> port)
    if (server == name) return port;
  return "";
}

// Seconds the server held its connection open, once Ovix has closed its end; -1 before.
double heldOpen(const std::string& name) {
  const std::string log = readFile(serversFolder() + "\\requests");
  const std::string closed = name + " closed ";
  const size_t at = log.rfind(closed);
  return at == std::string::npos ? -1 : std::stod(log.substr(at + closed.size()));
}
}  // namespace

TEST(UpdateCheckEndToEnd, NoticeOnlyForANewerReleaseAndOvixNeverWaitsForTheServer) {
  const struct {
    const char* server;
    bool notice;
  } cases[] = {{"newer", true}, {"same", false}, {"missing", false},
               {"huge", false}, {"silent", false}, {"stopped", false}};
  for (const auto& known : cases) {
    SCOPED_TRACE(known.server);
    const std::string name = known.server;
    const std::string port = serverPort(name);
    ASSERT_FALSE(port.empty());
    SetEnvironmentVariableA("OVIX_UPDATE_SERVER", ("127.0.0.1:" + port).c_str());
    OvixProcess ovix;
    ASSERT_TRUE(ovix.start());
    ASSERT_TRUE(ovix.waitForWindow());
    DWORD processId = 0;
    GetWindowThreadProcessId(ovix.window(), &processId);

    // Once the library has hung up on a server that answers, the check has decided.
    if (name != "silent" && name != "stopped") {
      ASSERT_TRUE(waitFor([&] { return heldOpen(name) >= 0; }));
    }
    HWND notice = nullptr;
    if (known.notice) waitFor([&] { return (notice = findProcessWindow(processId, "Ovix Update")) != nullptr; });
    EXPECT_EQ(findProcessWindow(processId, "Ovix Update") != nullptr, known.notice);
    if (notice) {
      Capture screen;
      if (captureScreen({0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}, screen))
        screen.savePng("update-notice-over-ovix.png");
    }
    // The silent server still holds the check in its three seconds of waiting: quitting must
    // not wait for it.
    if (name == "silent") {
      ASSERT_TRUE(waitFor([&] { return readFile(serversFolder() + "\\requests").find("silent request") != std::string::npos; }));
    }
    PostMessageA(ovix.window(), WM_CLOSE, 0, 0);
    DWORD exitCode = 99;
    ASSERT_TRUE(ovix.waitForExit(10000, &exitCode));
    EXPECT_EQ(exitCode, 0u);
    if (name == "silent") {
      ASSERT_TRUE(waitFor([&] { return heldOpen(name) >= 0; }));
      EXPECT_LT(heldOpen(name), 2.9) << "Ovix waited for the update check to give up";
    }
  }
  SetEnvironmentVariableA("OVIX_UPDATE_SERVER", nullptr);
}
