#pragma once
// Shared by the dialog tests: a scratch copy of the staged program folder as the current
// directory, Czech texts, the shell replaced by a recorder, and window helpers.
#include <windows.h>
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/documents.h"
#include "app/app_commands.h"
#include "platform/path_text.h"
#include "platform/process_window.h"
#include "structure/settings.h"
#include "support/harness.h"

inline std::string startFolder;          // the driver's folder: screenshots, the stand-in library
inline std::string scratchFolder;        // holds the program folder
inline std::string programFolder;        // the scratch copy, current while the tests run
inline std::vector<std::string> opened;  // what was handed to the shell, in order

// Each driver that needs it registers it with ::testing::AddGlobalTestEnvironment.
class ProgramFolder : public ::testing::Environment {
public:
  void SetUp() override {
    instance = GetModuleHandleA(nullptr);
    settings.dialogFont = GetStockObject(DEFAULT_GUI_FONT);
    std::strcpy(settings.language, "cz");
    openDocument = [](const char* address) { opened.push_back(address); };
    char folder[MAX_PATH] = ".";
    GetCurrentDirectoryA(MAX_PATH, folder);
    startFolder = folder;
    // A program folder named in Cyrillic: every path Ovix builds from it must keep its letters.
    scratchFolder = makeScratchFolder("ovix-dialogs");
    programFolder = scratchFolder + utf8FromWide(L"\\Ovix \u043F\u0440\u043E\u0433\u0440\u0430\u043C");
    ASSERT_TRUE(copyFolder(stagedProgramFolder(), programFolder));
    ASSERT_TRUE(SetCurrentDirectoryW(widePath(programFolder).c_str()));
  }
  void TearDown() override {
    SetCurrentDirectoryA(startFolder.c_str());
    removeFolder(scratchFolder);
  }
};

inline std::string windowText(HWND window) {
  char text[1024] = "";
  GetWindowTextA(window, text, sizeof text);
  return text;
}
inline void click(HWND button) { SendMessageA(button, BM_CLICK, 0, 0); }
inline HWND child(HWND window, const char* className, const char* text = nullptr) {
  return FindWindowExA(window, nullptr, className, text);
}

// This thread's top-level windows of class `className`.
inline std::vector<HWND> threadWindows(const char* className) {
  std::vector<HWND> found;
  for (HWND window = nullptr; (window = FindWindowExA(nullptr, window, className, nullptr));)
    if (GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId()) found.push_back(window);
  return found;
}
