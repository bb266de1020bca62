// Ovix's update check against real HTTP servers on this machine (update_server.py, started
// around this test): the notice appears a moment after start-up only for a newer release, and
// Ovix quits at once even while the server keeps it waiting. How answers are read is the
// native test's.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>

#include "support/harness.h"

namespace {
std::string serverFile(const char* name) { return folderFromEnvironment("OVIX_UPDATE_SERVERS") + "\\" + name; }

std::string serverPort(const std::string& name) {
  std::istringstream lines(readFile(serverFile("ports")));
  std::string server, port;
  while (lines >> server >> port && server != name) {}
  return server == name ? port : "";
}

// Seconds the server held its connection open once the client closed it, counting only the
// log after `from`; -1 before.
double heldOpen(const std::string& name, size_t from) {
  const std::string log = readFile(serverFile("requests")), closed = name + " closed ";
  const size_t at = log.find(closed, from);
  return at == std::string::npos ? -1 : std::stod(log.substr(at + closed.size()));
}
}  // namespace

// The silent server never answers: once the check gives up after its three seconds, once Ovix
// quits while the check still waits.
TEST(UpdateCheckEndToEnd, NoticeOnlyForANewerReleaseAndOvixNeverWaitsForTheServer) {
  const struct {
    std::string server;
    bool notice, quitWhileWaiting;
  } cases[] = {{"newer", true, false}, {"same", false, false}, {"silent", false, false}, {"silent", false, true}};
  for (const auto& known : cases) {
    SCOPED_TRACE(known.server + (known.quitWhileWaiting ? ", quitting while the check waits" : ""));
    const size_t logStart = readFile(serverFile("requests")).size();
    SetEnvironmentVariableA("OVIX_UPDATE_SERVER", ("127.0.0.1:" + serverPort(known.server)).c_str());
    OvixProcess ovix;
    ASSERT_TRUE(ovix.start() && ovix.waitForWindow());
    DWORD processId = 0;
    GetWindowThreadProcessId(ovix.window(), &processId);

    if (known.quitWhileWaiting) {
      ASSERT_TRUE(waitFor([&] { return readFile(serverFile("requests")).find("silent request", logStart) != std::string::npos; }));
    } else {  // once the library has hung up, the check has decided
      ASSERT_TRUE(waitFor([&] { return heldOpen(known.server, logStart) >= 0; }));
      EXPECT_TRUE(known.server != "silent" || std::abs(heldOpen(known.server, logStart) - 3.0) < 0.5);
    }
    if (known.notice) waitFor([&] { return findProcessWindow(processId, "Ovix Update") != nullptr; });
    EXPECT_EQ(findProcessWindow(processId, "Ovix Update") != nullptr, known.notice);
    EXPECT_TRUE(!known.notice || GetWindow(findProcessWindow(processId, "Ovix Update"), GW_OWNER) == ovix.window());

    PostMessageA(ovix.window(), WM_CLOSE, 0, 0);
    DWORD exitCode = 99;
    ASSERT_TRUE(ovix.waitForExit(10000, &exitCode));
    EXPECT_EQ(exitCode, 0u);
    if (known.quitWhileWaiting) {
      ASSERT_TRUE(waitFor([&] { return heldOpen(known.server, logStart) >= 0; }));
      EXPECT_LT(heldOpen(known.server, logStart), 2.9) << "Ovix waited for the update check to give up";
    }
  }
  SetEnvironmentVariableA("OVIX_UPDATE_SERVER", nullptr);
}
