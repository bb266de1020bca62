// The About dialog, the libraries beside ovix.exe and the update check, in-process: pages and
// their links as a user clicks them, the system report through the real debug.dll, and the
// check through a stand-in update library. Screenshots are saved beside the test log.
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
#include "dialogs/about_dialog.h"
#include "dialogs/update_window.h"
#include "glui/gl_test_context.h"
#include "platform/process_window.h"
#include "structure/settings.h"
#include "support/harness.h"

namespace {
std::string startFolder;  // the test's own folder: screenshots and the stand-in library
std::string programFolder;
std::vector<std::string> opened;

// A scratch copy of the staged program folder as the current directory, Czech texts, and the
// shell replaced by a recorder.
class ProgramFolder : public ::testing::Environment {
public:
  void SetUp() override {
    instance = GetModuleHandleA(nullptr);
    settings.dialogFont = GetStockObject(DEFAULT_GUI_FONT);
    std::strcpy(settings.language, "cz");
    openDocument = [](const char* address) { opened.push_back(address); };
    char folder[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, folder);
    startFolder = folder;
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
void installStandIn(const char* asName) {
  ASSERT_TRUE(CopyFileA((startFolder + "\\stand_in_update.dll").c_str(), programFile(asName).c_str(), FALSE));
}

// The names in a library's export directory.
std::set<std::string> exportedNames(const char* file) {
  std::set<std::string> names;
  HMODULE library = LoadLibraryExA(file, nullptr, DONT_RESOLVE_DLL_REFERENCES);
  if (!library) return names;
  const auto* base = reinterpret_cast<const BYTE*>(library);
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  const IMAGE_DATA_DIRECTORY& entry = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
  if (entry.VirtualAddress) {
    const auto* directory = reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(base + entry.VirtualAddress);
    const auto* nameOffsets = reinterpret_cast<const DWORD*>(base + directory->AddressOfNames);
    for (DWORD i = 0; i < directory->NumberOfNames; ++i)
      names.insert(reinterpret_cast<const char*>(base + nameOffsets[i]));
    if (directory->NumberOfFunctions != directory->NumberOfNames) names.insert("(unnamed)");
  }
  FreeLibrary(library);
  return names;
}

void screenshot(HWND window, const char* file) {
  RECT place;
  GetWindowRect(window, &place);
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Capture capture;
  if (captureScreen(place, capture)) capture.savePng(startFolder + "\\" + file);
}

std::vector<bool> visiblePages(const AboutDialog& about) {
  std::vector<bool> shown;
  for (HWND page : about.pages) shown.push_back(IsWindowVisible(page) != FALSE);
  return shown;
}

// The debug page's links, step one then step two.
std::vector<HWND> stepLinks(const AboutDialog& about) {
  std::vector<HWND> links;
  for (HWND link = FindWindowExA(about.pages[2], nullptr, "Link Window", nullptr); link;
       link = FindWindowExA(about.pages[2], link, "Link Window", nullptr))
    links.push_back(link);
  return links;
}

void clickLink(HWND link) {
  SendMessageA(link, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
  SendMessageA(link, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
}

HWND missingLibraryBox() { return FindWindowA("MsgBox Window", "debug.dll"); }

std::string calls() {
  char text[512] = "";
  GetEnvironmentVariableA("OVIX_TEST_CALLS", text, sizeof text);
  return text;
}
}  // namespace

TEST(Libraries, ExportExactlyTheirCalls) {
  EXPECT_EQ(exportedNames(programFile("debug.dll").c_str()), (std::set<std::string>{"_printSystemInfo"}));
  EXPECT_EQ(exportedNames(programFile("update.dll").c_str()),
            (std::set<std::string>{"_updateConnect", "_updateDisconnect", "_updateGetVersion"}));
}

TEST(About, FourPagesOpenOnDevelopmentAndCancelCloses) {
  const char* const shots[4] = {"about-development.png", "about-update.png", "about-debug.png", "about-thanks.png"};
  auto* about = new AboutDialog();
  HWND window = about->handle;
  EXPECT_EQ(TabCtrl_GetItemCount(about->tabs->control), 4);
  EXPECT_EQ(visiblePages(*about), (std::vector<bool>{true, false, false, false}));
  for (int page = 0; page < 4; ++page) {
    about->tabs->select(about->pages[page]);
    screenshot(window, shots[page]);
  }
  SendMessageA(window, WM_COMMAND, 7, 0);  // not a button of About
  ASSERT_TRUE(IsWindow(window));
  SendMessageA(window, WM_COMMAND, AboutDialog::cancelId, 0);
  EXPECT_FALSE(IsWindow(window));

  about = new AboutDialog();  // closed on thanks, opens on development
  EXPECT_EQ(TabCtrl_GetCurSel(about->tabs->control), 0);
  EXPECT_EQ(visiblePages(*about), (std::vector<bool>{true, false, false, false}));
  DestroyWindow(about->handle);
}

TEST(About, StepOneWritesAndOpensTheReportEachTimeStepTwoOpensTheBugPage) {
  GlTestContext gl;
  ASSERT_TRUE(gl.ready());
  const std::string graphics =
      std::string("Graphics:\r\n") + reinterpret_cast<const char*>(glGetString(GL_VENDOR));
  auto* about = new AboutDialog();
  const std::vector<HWND> links = stepLinks(*about);
  ASSERT_EQ(links.size(), 2u);
  opened.clear();
  const std::string report = programFile("logs\\debug.txt");
  // The second time without a current OpenGL context.
  for (int click = 1; click <= 2; ++click) {
    if (click == 2) wglMakeCurrent(nullptr, nullptr);
    DeleteFileA(report.c_str());
    clickLink(links[0]);
    EXPECT_NE(readFile(report).find(click == 1 ? graphics : "Graphics:\r\nno OpenGL context"), std::string::npos)
        << readFile(report);
    EXPECT_EQ(opened, std::vector<std::string>(click, report));
    EXPECT_EQ(GetModuleHandleA("debug.dll"), nullptr) << "still loaded";
  }
  EXPECT_EQ(missingLibraryBox(), nullptr);
  clickLink(links[1]);
  EXPECT_EQ(opened.back(), std::string(webSiteAddress) + "/3w/index.php?action=ovix&article=bugs");
  DestroyWindow(about->handle);
}

// Without debug.dll, or with one that lacks the export, step one shows the box and opens
// nothing; step two works all the same.
TEST(About, StepOneWithoutAUsableLibraryShowsTheBox) {
  const std::string library = programFile("debug.dll");
  ASSERT_TRUE(MoveFileA(library.c_str(), programFile("debug.dll.away").c_str()));
  for (bool present : {false, true}) {
    if (present) installStandIn("debug.dll");
    auto* about = new AboutDialog();
    const std::vector<HWND> links = stepLinks(*about);
    opened.clear();
    clickLink(links[0]);
    HWND box = missingLibraryBox();
    ASSERT_NE(box, nullptr) << "library present: " << present;
    char message[100] = "";
    GetWindowTextA(FindWindowExA(box, nullptr, "Static", nullptr), message, sizeof message);
    EXPECT_STREQ(message, "Nelze najít knihovnu debug.dll");
    if (!present) screenshot(box, "about-no-debug-library.png");
    DestroyWindow(box);
    EXPECT_TRUE(opened.empty());
    clickLink(links[1]);
    EXPECT_EQ(opened.size(), 1u);
    DestroyWindow(about->handle);
  }
  DeleteFileA(library.c_str());
  ASSERT_TRUE(MoveFileA(programFile("debug.dll.away").c_str(), library.c_str()));
}

TEST(UpdateCheck, NoticeOnlyForNewerReleasesAndEveryCallInOrder) {
  installStandIn("update.dll");
  const struct {
    const char* offered;
    bool notice;
    const char* calls;
  } cases[] = {
      {"Ovix 1.2.1", true, "LC(192.0.2.1)GD"},  {"Ovix 1.3.0", true, "LC(192.0.2.1)GD"},
      {"Ovix 1.10.0", true, "LC(192.0.2.1)GD"}, {"Ovix 1.2.0", false, "LC(192.0.2.1)GD"},
      {"Ovix 1.1.9", false, "LC(192.0.2.1)GD"}, {"refuse", false, "LC(192.0.2.1)"},
  };
  for (const auto& known : cases) {
    SetEnvironmentVariableA("OVIX_TEST_OFFERED", known.offered);
    SetEnvironmentVariableA("OVIX_TEST_CALLS", "");
    EXPECT_EQ(checkForUpdate(updateServerAddress), known.notice) << known.offered;
    HWND notice = FindWindowA("Ovix Update", nullptr);
    EXPECT_EQ(notice != nullptr, known.notice) << known.offered;
    EXPECT_EQ(calls(), known.calls) << known.offered;
    EXPECT_EQ(GetModuleHandleA("update.dll"), nullptr) << known.offered;
    if (notice) DestroyWindow(notice);
  }
  // A library without the three calls, and no library at all.
  for (bool present : {true, false}) {
    DeleteFileA(programFile("update.dll").c_str());
    if (present) {
      ASSERT_TRUE(CopyFileA(programFile("debug.dll").c_str(), programFile("update.dll").c_str(), FALSE));
    }
    EXPECT_FALSE(checkForUpdate(updateServerAddress));
    EXPECT_EQ(GetModuleHandleA("update.dll"), nullptr);
  }
}

TEST(UpdateCheck, RunsOnItsOwnThreadOnlyWhenTheSettingAsks) {
  installStandIn("update.dll");
  SetEnvironmentVariableA("OVIX_TEST_OFFERED", "Ovix 1.2.0");
  for (bool asked : {false, true}) {
    SetEnvironmentVariableA("OVIX_TEST_CALLS", "");
    settings.checkUpdates = asked;
    HANDLE thread = startUpdateCheck();
    ASSERT_EQ(thread != nullptr, asked);
    if (thread) {
      EXPECT_EQ(WaitForSingleObject(thread, 30000), WAIT_OBJECT_0);
      CloseHandle(thread);
    }
    EXPECT_EQ(calls(), asked ? "LC(192.0.2.1)GD" : "");
  }
}

TEST(UpdateCheck, NoticeAnswers) {
  enum Action { yes, no, escape, closeBox };
  const char* page = "http://example.test/download";
  for (Action action : {yes, no, escape, closeBox}) {
    opened.clear();
    HWND notice = (new class UpdateWindow(page))->handle;
    if (action == yes) screenshot(notice, "update-notice.png");
    if (action == yes) SendMessageA(FindWindowExA(notice, nullptr, "Button", "Ano"), BM_CLICK, 0, 0);
    if (action == no) SendMessageA(FindWindowExA(notice, nullptr, "Button", "Ne"), BM_CLICK, 0, 0);
    if (action == escape) SendMessageA(notice, WM_KEYUP, VK_ESCAPE, 0);
    if (action == closeBox) SendMessageA(notice, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_FALSE(IsWindow(notice)) << action;
    EXPECT_EQ(opened, action == yes ? std::vector<std::string>{page} : std::vector<std::string>{}) << action;
  }
}
