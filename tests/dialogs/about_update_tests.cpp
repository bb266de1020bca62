// The About dialog, the libraries beside ovix.exe and the update check, in-process: pages and
// links as a user clicks them, the report through the real debug.dll, the check through a
// stand-in update library.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <GL/gl.h>

#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "app/app_commands.h"
#include "app/program_info.h"
#include "app/update_check.h"
#include "dialog_test_support.h"
#include "dialogs/about_dialog.h"
#include "dialogs/update_window.h"
#include "glui/gl_test_context.h"
#include "platform/process_window.h"
#include "structure/settings.h"

namespace {
std::string programFolder;
std::vector<std::string> opened;

// A copy of the staged program folder as the current directory, Czech texts, and the shell
// replaced by a recorder.
class ProgramFolder : public ::testing::Environment {
public:
  void SetUp() override {
    instance = GetModuleHandleA(nullptr);
    settings.dialogFont = GetStockObject(DEFAULT_GUI_FONT);
    std::strcpy(settings.language, "cz");
    openDocument = [](const char* address) { opened.push_back(address); };
    char folder[MAX_PATH];
    startFolder = GetCurrentDirectoryA(MAX_PATH, folder) ? folder : ".";
    programFolder = makeScratchFolder("ovix-about");
    ASSERT_TRUE(copyFolder(stagedProgramFolder(), programFolder));
    ASSERT_TRUE(SetCurrentDirectoryA(programFolder.c_str()));
  }
  void TearDown() override {
    SetCurrentDirectoryA(startFolder.c_str());
    removeFolder(programFolder);
  }
};
const auto* const environment = ::testing::AddGlobalTestEnvironment(new ProgramFolder);

std::string programFile(const char* name) { return programFolder + "\\" + name; }
bool install(const std::string& library, const char* asName) {
  return CopyFileA(library.c_str(), programFile(asName).c_str(), FALSE) != 0;
}
const std::string standIn() { return startFolder + "\\stand_in_update.dll"; }

// The names in a library's export directory; "?" for an export without a name.
std::set<std::string> exportedNames(const std::string& file) {
  std::set<std::string> names;
  HMODULE library = LoadLibraryExA(file.c_str(), nullptr, DONT_RESOLVE_DLL_REFERENCES);
  const auto* base = reinterpret_cast<const BYTE*>(library);
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + reinterpret_cast<const IMAGE_DOS_HEADER*>(base)->e_lfanew);
  const auto* exports = reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(
      base + nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT].VirtualAddress);
  const auto* nameOffsets = reinterpret_cast<const DWORD*>(base + exports->AddressOfNames);
  for (DWORD i = 0; i < exports->NumberOfNames; ++i) names.insert(reinterpret_cast<const char*>(base + nameOffsets[i]));
  if (exports->NumberOfFunctions != exports->NumberOfNames) names.insert("?");
  FreeLibrary(library);
  return names;
}

// Clicks link `n` (0 step one, 1 step two) of the debug page.
void clickStep(const AboutDialog& about, int n) {
  HWND link = FindWindowExA(about.pages[2], nullptr, "Link Window", nullptr);
  if (n == 1) link = FindWindowExA(about.pages[2], link, "Link Window", nullptr);
  SendMessageA(link, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
  SendMessageA(link, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
}

std::string calls() {
  char text[512] = "";
  GetEnvironmentVariableA("OVIX_TEST_CALLS", text, sizeof text);
  return text;
}
}  // namespace

TEST(Libraries, ExportExactlyTheirCalls) {
  EXPECT_EQ(exportedNames(programFile("debug.dll")), (std::set<std::string>{"_printSystemInfo"}));
  EXPECT_EQ(exportedNames(programFile("update.dll")),
            (std::set<std::string>{"_updateConnect", "_updateDisconnect", "_updateGetVersion"}));
}

TEST(About, FourPagesOpenOnDevelopmentAndCancelCloses) {
  auto* about = new AboutDialog();
  HWND window = about->handle;
  EXPECT_EQ(TabCtrl_GetItemCount(about->tabs->control), 4);
  about->tabs->select(about->pages[3]);
  SendMessageA(window, WM_COMMAND, 7, 0);  // not a button of About
  ASSERT_TRUE(IsWindow(window));
  SendMessageA(window, WM_COMMAND, AboutDialog::cancelId, 0);
  EXPECT_FALSE(IsWindow(window));

  about = new AboutDialog();  // closed on thanks, opens on development
  EXPECT_EQ(TabCtrl_GetCurSel(about->tabs->control), 0);
  EXPECT_TRUE(IsWindowVisible(about->pages[0]) && !IsWindowVisible(about->pages[3]));
  DestroyWindow(about->handle);
}

// Each click writes and opens the report, the second time without an OpenGL context, and
// unloads the library again.
TEST(About, StepOneWritesAndOpensTheReportEachTimeStepTwoOpensTheBugPage) {
  GlTestContext gl;
  ASSERT_TRUE(gl.ready());
  const std::string graphics = std::string("Graphics:\r\n") + reinterpret_cast<const char*>(glGetString(GL_VENDOR));
  auto* about = new AboutDialog();
  opened.clear();
  const std::string report = programFile("logs\\debug.txt");
  for (int click = 1; click <= 2; ++click) {
    if (click == 2) wglMakeCurrent(nullptr, nullptr);
    DeleteFileA(report.c_str());
    clickStep(*about, 0);
    EXPECT_NE(readFile(report).find(click == 1 ? graphics : "Graphics:\r\nno OpenGL context"), std::string::npos);
    EXPECT_EQ(opened, std::vector<std::string>(click, report));
    EXPECT_EQ(GetModuleHandleA("debug.dll"), nullptr);
  }
  EXPECT_EQ(FindWindowA("MsgBox Window", nullptr), nullptr);
  clickStep(*about, 1);
  EXPECT_EQ(opened.back(), std::string(webSiteAddress) + "/3w/index.php?action=ovix&article=bugs");
  DestroyWindow(about->handle);
}

// Without debug.dll, or with one lacking the export, step one shows the box and opens nothing.
TEST(About, StepOneWithoutAUsableLibraryShowsTheBox) {
  const std::string library = programFile("debug.dll");
  ASSERT_TRUE(MoveFileA(library.c_str(), programFile("debug.away").c_str()));
  for (bool present : {false, true}) {
    ASSERT_TRUE(!present || install(standIn(), "debug.dll"));
    auto* about = new AboutDialog();
    opened.clear();
    clickStep(*about, 0);
    HWND box = FindWindowA("MsgBox Window", "debug.dll");
    EXPECT_EQ(windowText(FindWindowExA(box, nullptr, "Static", nullptr)), "Nelze najít knihovnu debug.dll") << present;
    EXPECT_TRUE(opened.empty());
    DestroyWindow(box);
    DestroyWindow(about->handle);
  }
  DeleteFileA(library.c_str());
  ASSERT_TRUE(MoveFileA(programFile("debug.away").c_str(), library.c_str()));
}

// The order of releases is the native tests' business; here the calls, their order, the
// notice, the library's unloading, and the thread that runs only when the setting asks.
TEST(UpdateCheck, CallsTheLibraryInOrderAndShowsTheNoticeOnlyForANewerRelease) {
  ASSERT_TRUE(install(standIn(), "update.dll"));
  GlTestContext owner;  // a stand-in main window, which the notice waits for
  mainWindow = owner.window;
  const struct {
    const char* offered;
    bool notice;
    const char* calls;
  } cases[] = {{"Ovix 1.10.0", true, "LC(192.0.2.1)GD"},
               {"Ovix 1.2.0", false, "LC(192.0.2.1)GD"},
               {"refuse", false, "LC(192.0.2.1)"}};
  for (const auto& known : cases) {
    SetEnvironmentVariableA("OVIX_TEST_OFFERED", known.offered);
    SetEnvironmentVariableA("OVIX_TEST_CALLS", "");
    EXPECT_EQ(checkForUpdate(updateServerAddress), known.notice) << known.offered;
    HWND notice = FindWindowA("Ovix Update", nullptr);
    EXPECT_EQ(notice != nullptr, known.notice) << known.offered;
    EXPECT_TRUE(!notice || GetWindow(notice, GW_OWNER) == owner.window);
    EXPECT_EQ(calls(), known.calls);
    EXPECT_EQ(GetModuleHandleA("update.dll"), nullptr) << known.offered;
    DestroyWindow(notice);
  }
  SetEnvironmentVariableA("OVIX_TEST_OFFERED", "Ovix 1.2.0");  // the thread ends by itself
  for (bool asked : {false, true}) {
    SetEnvironmentVariableA("OVIX_TEST_CALLS", "");
    settings.checkUpdates = asked;
    HANDLE thread = startUpdateCheck();
    ASSERT_EQ(thread != nullptr, asked);
    EXPECT_TRUE(!thread || WaitForSingleObject(thread, 30000) == WAIT_OBJECT_0);
    EXPECT_EQ(calls(), asked ? "LC(192.0.2.1)GD" : "");
  }
  // A library without the three calls (debug.dll), and none at all.
  for (bool present : {true, false}) {
    DeleteFileA(programFile("update.dll").c_str());
    ASSERT_TRUE(!present || install(programFile("debug.dll"), "update.dll"));
    EXPECT_FALSE(checkForUpdate(updateServerAddress));
    EXPECT_EQ(GetModuleHandleA("update.dll"), nullptr);
  }
  mainWindow = nullptr;
}

TEST(UpdateCheck, YesOpensTheDownloadPageAndEveryAnswerCloses) {
  const char* page = "http://example.test/download";
  for (const char* answer : {"Ano", "Ne", "Esc", "close box"}) {
    opened.clear();
    HWND notice = (new class UpdateWindow(page))->handle;
    if (answer[0] == 'A' || answer[0] == 'N')
      SendMessageA(FindWindowExA(notice, nullptr, "Button", answer), BM_CLICK, 0, 0);
    if (answer[0] == 'E') SendMessageA(notice, WM_KEYUP, VK_ESCAPE, 0);
    if (answer[0] == 'c') SendMessageA(notice, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_FALSE(IsWindow(notice)) << answer;
    EXPECT_EQ(opened, std::vector<std::string>(answer[0] == 'A', page)) << answer;
  }
}
