// About's problem report through the real debug.dll, and the update check through a stand-in
// update library that records its calls, in-process.
#include <GL/gl.h>

#include "app/update_check.h"
#include "dialog_test_support.h"
#include "dialogs/about_dialog.h"
#include "dialogs/update_window.h"
#include "glui/gl_test_context.h"
#include "platform/program_info.h"

namespace {
const auto* const environment = ::testing::AddGlobalTestEnvironment(new ProgramFolder);
std::string programFile(const char* name) { return programFolder + "\\" + name; }

// Clicks the link number `index` (from 0) of About's page number `page`.
void clickLink(const AboutDialog& about, int page, int index) {
  HWND link = nullptr;
  for (int i = 0; i <= index; ++i) link = FindWindowExA(about.pages[page], link, "Link Window", nullptr);
  SendMessageA(link, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
  SendMessageA(link, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
}

// Without debug.dll step one shows the box and opens nothing; with it, it writes the report,
// opens it and lets the library go. The web site's pages open through openDocument too, the
// one way to the shell.
TEST(About, StepOneShowsTheBoxWithoutTheLibraryAndOtherwiseOpensTheReportAndTheLinksTheirPages) {
  GlTestContext gl;
  ASSERT_TRUE(gl.ready());
  const std::string library = programFile("debug.dll"), report = programFile("logs\\debug.txt");
  auto* about = new AboutDialog();
  opened.clear();
  ASSERT_TRUE(MoveFileA(library.c_str(), programFile("debug.away").c_str()));
  clickLink(*about, 2, 0);  // step one
  HWND box = FindWindowA("MsgBox Window", "debug.dll");
  EXPECT_EQ(windowText(child(box, "Static")), "Nelze najít knihovnu debug.dll");
  DestroyWindow(box);
  ASSERT_TRUE(MoveFileA(programFile("debug.away").c_str(), library.c_str()));
  clickLink(*about, 2, 0);  // step one
  EXPECT_NE(readFile(report).find(reinterpret_cast<const char*>(glGetString(GL_VENDOR))), std::string::npos);
  EXPECT_EQ(opened, std::vector<std::string>{report});
  EXPECT_EQ(GetModuleHandleA("debug.dll"), nullptr);
  EXPECT_FALSE(FindWindowA("MsgBox Window", nullptr));
  for (int page = 0; page < 3; ++page) clickLink(*about, page, page / 2);  // the debug page's second: step two
  const std::string site = webSiteAddress;
  EXPECT_EQ(opened, (std::vector<std::string>{report, site + "/3w/index.php", site + "/3w/index.php?action=download",
                                               site + "/3w/index.php?action=ovix&article=bugs"}));
  DestroyWindow(about->handle);
}

// The stand-in records C(address), G (version asked) and D (disconnected), and changes its
// version text once disconnected: a caller reading it late would see a newer release.
TEST(UpdateCheck, CallsTheLibraryInOrderAndOnlyANewerReleaseGetsTheNotice) {
  ASSERT_TRUE(CopyFileA((startFolder + "\\stand_in_update.dll").c_str(), programFile("update.dll").c_str(), FALSE));
  GlTestContext owner;  // the notice waits for a main window to own it
  mainWindow = owner.window;
  const UpdateNotice notice = updateNotice();
  const struct {
    const char* offered;
    bool notice;
    const char* calls;
  } cases[] = {{"Ovix 1.10.0", true, "C(192.0.2.1)GD"}, {"Ovix 1.2.0", false, "C(192.0.2.1)GD"},
               {"refuse", false, "C(192.0.2.1)"}};
  for (const auto& known : cases) {
    SCOPED_TRACE(known.offered);
    SetEnvironmentVariableA("OVIX_TEST_OFFERED", known.offered);
    SetEnvironmentVariableA("OVIX_TEST_CALLS", "");
    opened.clear();
    EXPECT_EQ(checkForUpdate(updateServerAddress, notice), known.notice);
    char calls[512] = "";
    GetEnvironmentVariableA("OVIX_TEST_CALLS", calls, sizeof calls);
    EXPECT_STREQ(calls, known.calls);
    EXPECT_EQ(GetModuleHandleA("update.dll"), nullptr);
    HWND notice = FindWindowA("Ovix Update", nullptr);
    ASSERT_EQ(notice != nullptr, known.notice);
    if (!notice) continue;
    click(child(notice, "Button", "Ano"));  // opens the download page and closes
    EXPECT_EQ(opened.size(), 1u);
    EXPECT_FALSE(IsWindow(notice));
  }
  mainWindow = nullptr;
}
}  // namespace
