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

std::string serverLog() { return readFile(serversFolder() + "\\requests"); }

// Seconds the server held its connection open, once Ovix has closed its end; -1 before. Only
// the log after `from` counts.
double heldOpen(const std::string& name, size_t from) {
  const std::string log = serverLog();
  const std::string closed = name + " closed ";
  const size_t at = log.find(closed, from);
  return at == std::string::npos ? -1 : std::stod(log.substr(at + closed.size()));
}
}  // namespace

TEST(UpdateCheckEndToEnd, NoticeOnlyForANewerReleaseAndOvixNeverWaitsForTheServer) {
  // Silent servers never answer: once the check gives up after its three seconds, and once
  // while Ovix quits during the wait.
  const struct {
    const char* server;
    bool notice;
    bool quitWhileWaiting;
  } cases[] = {{"newer", true, false},  {"same", false, false},  {"missing", false, false},
               {"huge", false, false},  {"silent", false, false}, {"silent", false, true},
               {"stopped", false, false}};
  for (const auto& known : cases) {
    const std::string name = known.server;
    SCOPED_TRACE(name + (known.quitWhileWaiting ? " (quit while waiting)" : ""));
    const std::string port = serverPort(name);
    ASSERT_FALSE(port.empty());
    const size_t logStart = serverLog().size();
    SetEnvironmentVariableA("OVIX_UPDATE_SERVER", ("127.0.0.1:" + port).c_str());
    OvixProcess ovix;
    ASSERT_TRUE(ovix.start());
    ASSERT_TRUE(ovix.waitForWindow());
    DWORD processId = 0;
    GetWindowThreadProcessId(ovix.window(), &processId);

    // Once the library has hung up, the check has decided.
    if (known.quitWhileWaiting) {
      ASSERT_TRUE(waitFor([&] { return serverLog().find("silent request", logStart) != std::string::npos; }));
    } else if (name != "stopped") {
      ASSERT_TRUE(waitFor([&] { return heldOpen(name, logStart) >= 0; }));
      if (name == "silent") {
        EXPECT_GE(heldOpen(name, logStart), 2.9);
        EXPECT_LT(heldOpen(name, logStart), 6.0);
      }
    }
    HWND notice = nullptr;
    if (known.notice) waitFor([&] { return (notice = findProcessWindow(processId, "Ovix Update")) != nullptr; });
    EXPECT_EQ(findProcessWindow(processId, "Ovix Update") != nullptr, known.notice);
    if (notice) {
      Capture screen;
      if (captureScreen({0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}, screen))
        screen.savePng("update-notice-over-ovix.png");
    }
    PostMessageA(ovix.window(), WM_CLOSE, 0, 0);
    DWORD exitCode = 99;
    ASSERT_TRUE(ovix.waitForExit(10000, &exitCode));
    EXPECT_EQ(exitCode, 0u);
    if (known.quitWhileWaiting) {
      ASSERT_TRUE(waitFor([&] { return heldOpen(name, logStart) >= 0; }));
      EXPECT_LT(heldOpen(name, logStart), 2.9) << "Ovix waited for the update check to give up";
    }
  }
  SetEnvironmentVariableA("OVIX_UPDATE_SERVER", nullptr);
}
