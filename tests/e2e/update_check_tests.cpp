// Ovix's update check against real HTTP servers on this machine (update_server.py, started
// around this test): the notice of a newer release appears a moment after start-up, owned by the
// main window; a silent server is given up after three seconds, not before; and Ovix ends even
// while a library (a stand-in that never returns) keeps the check waiting for good. How answers are read is the native test's, which answers
// give a notice the in-process test's.
#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "support/harness.h"

namespace {
std::string serverFile(const char* name) { return folderFromEnvironment("OVIX_UPDATE_SERVERS") + "\\" + name; }

std::string serverPort(const std::string& name) {
  std::smatch port;
  const std::string ports = readFile(serverFile("ports"));
  return std::regex_search(ports, port, std::regex(name + " ([0-9]+)")) ? port[1].str() : "";
}

// Seconds the server held its connection open once the client closed it, counting only the
// log after `from`; -1 before.
double heldOpen(const std::string& name, size_t from) {
  const std::string log = readFile(serverFile("requests")), closed = name + " closed ";
  const size_t at = log.find(closed, from);
  return at == std::string::npos ? -1 : std::stod(log.substr(at + closed.size()));
}
}  // namespace

TEST(UpdateCheckEndToEnd, NoticeOfANewerReleaseAndOvixNeverWaitsForTheServer) {
  const std::pair<std::string, bool> cases[] = {{"newer", false}, {"silent", false}, {"silent", true}};
  for (const auto& [server, quitWhileWaiting] : cases) {  // quitting while the check waits
    SCOPED_TRACE(server + (quitWhileWaiting ? ", quitting" : ""));
    const size_t logStart = readFile(serverFile("requests")).size();
    SetEnvironmentVariableA("OVIX_UPDATE_SERVER", ("127.0.0.1:" + serverPort(server)).c_str());
    SetEnvironmentVariableA("OVIX_TEST_OFFERED", quitWhileWaiting ? "hang" : nullptr);
    OvixProcess ovix;
    ASSERT_TRUE(ovix.start([&](const std::string& folder) {
      if (quitWhileWaiting) CopyFileA("Z:" OVIX_STAND_IN_UPDATE, (folder + "\\update.dll").c_str(), FALSE);
    }));
    const bool newer = server == "newer";
    if (quitWhileWaiting) {
      ASSERT_TRUE(waitFor([&] { return fileExists(ovix.path("update-waiting")); }));
    } else {  // once the library has hung up, the check has decided
      ASSERT_TRUE(waitFor([&] { return heldOpen(server, logStart) >= 0; }));
      EXPECT_TRUE(newer || heldOpen(server, logStart) > 2.9);
    }
    HWND notice = newer ? ovix.waitForWindowOf("Ovix Update") : findProcessWindow(ovix.processId(), "Ovix Update");
    EXPECT_EQ(notice && GetWindow(notice, GW_OWNER) == ovix.window(), newer);

    PostMessageA(ovix.window(), WM_CLOSE, 0, 0);
    // Ovix waiting for a check that never ends would never end itself.
    ASSERT_TRUE(ovix.endsCleanly(60000)) << "Ovix did not end, or not cleanly";
  }
  SetEnvironmentVariableA("OVIX_UPDATE_SERVER", nullptr);
  SetEnvironmentVariableA("OVIX_TEST_OFFERED", nullptr);
}
