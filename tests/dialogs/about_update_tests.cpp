// About's problem report through the real debug.dll, and the update check through a stand-in
// update library that records its calls, in-process.
#include <GL/gl.h>

#include <cstring>
#include <tuple>

#include "app/update_check.h"
#include "debug/system_report.h"
#include "dialog_test_support.h"
#include "dialogs/about_dialog.h"
#include "dialogs/update_window.h"
#include "glui/gl_test_context.h"
#include "platform/program_info.h"

namespace {
const auto* const environment = ::testing::AddGlobalTestEnvironment(new ProgramFolder);
std::string programFile(const char* name) { return programFolder + "\\" + name; }
// What the stand-in update library recorded since `offer` told it what to offer.
std::string recordedCalls() {
  char calls[512] = "";
  GetEnvironmentVariableA("OVIX_TEST_CALLS", calls, sizeof calls);
  return calls;
}
void offer(const char* offered) {
  SetEnvironmentVariableA("OVIX_TEST_OFFERED", offered);
  SetEnvironmentVariableA("OVIX_TEST_CALLS", "");
}

// Clicks the link number `index` (from 0) of About's page number `page`.
void clickLink(const AboutDialog& about, int page, int index) {
  HWND link = nullptr;
  for (int i = 0; i <= index; ++i) link = FindWindowExA(about.pages[page], link, "Link Window", nullptr);
  SendMessageA(link, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
  SendMessageA(link, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
}

// Windows answers GetVersionEx with 6.2 to every program without a compatibility manifest;
// Wine tells the truth. Makes GetVersionExA and W lie as Windows does (their numbers share
// places), so a report that asked them would name Windows 8.
BOOL WINAPI answerWindows8(OSVERSIONINFOA* version) {
  version->dwMajorVersion = 6, version->dwMinorVersion = 2, version->dwBuildNumber = 9200;
  version->szCSDVersion[0] = version->szCSDVersion[1] = 0;
  return TRUE;
}
void makeGetVersionExLie() {
  HMODULE kernel = GetModuleHandleA("kernel32.dll");
  for (const char* name : {"GetVersionExA", "GetVersionExW"}) {
    void* entry = reinterpret_cast<void*>(GetProcAddress(kernel, name));
    void* target = reinterpret_cast<void*>(answerWindows8);
    unsigned char jump[12] = {0x48, 0xB8, 0, 0, 0, 0, 0, 0, 0, 0, 0xFF, 0xE0};  // mov rax, target; jmp rax
    std::memcpy(jump + 2, &target, sizeof target);
    DWORD old = 0;
    ASSERT_TRUE(entry && VirtualProtect(entry, sizeof jump, PAGE_EXECUTE_READWRITE, &old));
    std::memcpy(entry, jump, sizeof jump);
    VirtualProtect(entry, sizeof jump, old, &old);
    FlushInstructionCache(GetCurrentProcess(), entry, sizeof jump);
  }
}

// Without debug.dll, or with a library of that name that lacks _printSystemInfo, step one shows
// the box and opens nothing; with it, it writes the report (naming the Windows that
// RtlGetVersion names, not GetVersionEx's answer), opens it and lets the library go. The web
// site's pages open through openDocument too, the one way to the shell.
TEST(About, StepOneWithoutAUsableLibraryShowsTheBoxAndOtherwiseOpensTheReport) {
  GlTestContext gl;
  ASSERT_TRUE(gl.ready());
  const std::string library = programFile("debug.dll"), report = programFile("logs\\debug.txt");
  auto* about = new AboutDialog();
  opened.clear();
  ASSERT_TRUE(MoveFileW(widePath(library).c_str(), widePath(programFile("debug.away")).c_str()));
  for (bool withoutExport : {false, true}) {
    ASSERT_TRUE(!withoutExport ||
                CopyFileW(widePath(startFolder + "\\stand_in_update.dll").c_str(), widePath(library).c_str(), FALSE));
    clickLink(*about, 2, 0);  // step one
    HWND box = FindWindowA("MsgBox Window", "debug.dll");
    EXPECT_EQ(windowText(child(box, "Static")), "Nelze najít knihovnu debug.dll") << withoutExport;
    DestroyWindow(box);
  }
  EXPECT_TRUE(opened.empty());
  ASSERT_TRUE(MoveFileExW(widePath(programFile("debug.away")).c_str(), widePath(library).c_str(), MOVEFILE_REPLACE_EXISTING));
  makeGetVersionExLie();
  clickLink(*about, 2, 0);  // step one
  OSVERSIONINFOW version = {sizeof version, 0, 0, 0, 0, {}};
  using RtlGetVersionCall = LONG(WINAPI*)(OSVERSIONINFOW*);
  reinterpret_cast<RtlGetVersionCall>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "RtlGetVersion")))(&version);
  const std::string written = readFile(report),
                    windows = windowsName(version.dwMajorVersion, version.dwMinorVersion, version.dwBuildNumber);
  EXPECT_EQ(written.find("OS:\r\n" + windows + " "), 0u) << written.substr(0, 40);
  EXPECT_NE(written.find(reinterpret_cast<const char*>(glGetString(GL_VENDOR))), std::string::npos);
  EXPECT_EQ(opened, std::vector<std::string>{report});
  EXPECT_EQ(GetModuleHandleA("debug.dll"), nullptr);
  EXPECT_FALSE(FindWindowA("MsgBox Window", nullptr));
  for (int page = 0; page < 3; ++page) clickLink(*about, page, page / 2);  // the debug page's second: step two
  EXPECT_EQ(opened.size(), 4u);
  DestroyWindow(about->handle);
}

// The stand-in records C(address), G (version asked) and D (disconnected), and changes its
// version text once disconnected: a caller reading it late would see a newer release.
TEST(UpdateCheck, CallsTheLibraryInOrderAndOnlyANewerReleaseGetsTheNoticeOwnedByTheMainWindow) {
  ASSERT_TRUE(CopyFileW(widePath(startFolder + "\\stand_in_update.dll").c_str(), widePath(programFile("update.dll")).c_str(),
                        FALSE));
  GlTestContext owner;  // the notice waits for a main window to own it
  mainWindow = owner.window;
  const UpdateNotice copied = updateNotice();  // here, on the main thread
  // Offered, whether a notice comes, the calls made.
  const std::tuple<const char*, bool, std::string> cases[] = {
      {"Ovix 1.10.0", true, "C(192.0.2.1)GD"}, {"Ovix 1.2.0", false, "C(192.0.2.1)GD"}, {"refuse", false, "C(192.0.2.1)"}};
  for (const auto& [offered, withNotice, calls] : cases) {
    SCOPED_TRACE(offered);
    offer(offered);
    opened.clear();
    EXPECT_EQ(checkForUpdate(updateServerAddress, copied), withNotice);
    EXPECT_EQ(recordedCalls(), calls);
    EXPECT_EQ(GetModuleHandleA("update.dll"), nullptr);
    HWND notice = FindWindowA("Ovix Update", nullptr);
    ASSERT_EQ(notice != nullptr, withNotice);
    if (!notice) continue;
    click(child(notice, "Button", "Ano"));  // opens the download page and closes
    EXPECT_EQ(opened.size(), 1u);
    EXPECT_FALSE(IsWindow(notice));
  }
  // An answer that comes before the main window exists: the notice waits for it, on the check's
  // thread, and is owned by it.
  mainWindow = nullptr;
  offer("Ovix 1.10.0");
  DWORD checker = 0;
  HANDLE thread = CreateThread(nullptr, 0, [](LPVOID copied) -> DWORD {
    if (checkForUpdate(updateServerAddress, *static_cast<const UpdateNotice*>(copied)))
      for (MSG message; GetMessageA(&message, nullptr, 0, 0) > 0;) DispatchMessageA(&message);
    return 0;
  }, const_cast<UpdateNotice*>(&copied), 0, &checker);
  ASSERT_TRUE(waitFor([] { return recordedCalls().find('G') != std::string::npos; }));
  mainWindow = owner.window;
  HWND notice = nullptr;
  ASSERT_TRUE(waitFor([&] { return (notice = FindWindowA("Ovix Update", nullptr)) != nullptr; }));
  EXPECT_EQ(GetWindow(notice, GW_OWNER), owner.window);
  PostMessageA(notice, WM_CLOSE, 0, 0);
  PostThreadMessageA(checker, WM_QUIT, 0, 0);
  EXPECT_EQ(WaitForSingleObject(thread, 30000), WAIT_OBJECT_0);
  CloseHandle(thread);
  mainWindow = nullptr;
}
}  // namespace
