#include "support/harness.h"

#include <gdiplus.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>

#include "platform/path_text.h"
#include "sources/photo_sources.h"

bool waitFor(const std::function<bool()>& condition, DWORD timeoutMs) {
  // One message at a time, the condition asked after each: a window that posts to itself
  // without end fails the wait instead of hanging it.
  const ULONGLONG end = GetTickCount64() + timeoutMs;
  for (MSG message; !condition();) {
    if (GetTickCount64() >= end) return false;
    if (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    } else {
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
  }
  return true;
}

std::string folderFromEnvironment(const char* variable) {
  const char* unixPath = std::getenv(variable);
  if (!unixPath || !*unixPath) return ".";
  std::string path = unixPath[0] == '/' ? std::string("Z:") + unixPath : unixPath;  // Wine's drive for the Unix root
  for (char& c : path) c = c == '/' ? '\\' : c;
  return path;
}

std::string stagedProgramFolder() { return folderFromEnvironment("OVIX_STAGE_DIR"); }

std::string makeScratchFolder(const char* prefix) {
  // A unique name from the system (the prefix's first three letters, a number), as a folder.
  char temp[MAX_PATH], name[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  return GetTempFileNameA(temp, prefix, 0, name) && DeleteFileA(name) && CreateDirectoryA(name, nullptr) ? name : "";
}

namespace {
// Calls `visit` with the name of each entry of `folder` and whether it is a folder to descend
// into (links are not: they may lead anywhere, even back up the tree). False when the folder
// cannot be listed.
bool forEachEntry(const std::string& folder, const std::function<void(const std::string&, bool)>& visit) {
  bool listed = false;
  Win32FolderListing().list(folder, [&](const ListedEntry& entry) {
    listed = true;
    if (std::strcmp(entry.name, ".") && std::strcmp(entry.name, "..")) visit(entry.name, entry.directory && !entry.reparsePoint);
    return true;
  });
  return listed;
}
}  // namespace

std::vector<std::string> folderEntries(const std::string& folder) {
  std::vector<std::string> names;
  forEachEntry(folder, [&](const std::string& name, bool) { names.push_back(name); });
  std::sort(names.begin(), names.end());
  return names;
}

bool copyFolder(const std::string& from, const std::string& to) {
  CreateDirectoryW(widePath(to).c_str(), nullptr);
  bool ok = true;
  return forEachEntry(from, [&](const std::string& name, bool descend) {
    const std::string source = from + "\\" + name, target = to + "\\" + name;
    ok = (descend ? copyFolder(source, target)
                  : CopyFileW(widePath(source).c_str(), widePath(target).c_str(), FALSE) != 0) && ok;
  }) && ok;
}

bool removeFolder(const std::string& folder) {
  forEachEntry(folder, [&](const std::string& name, bool descend) {
    const std::string path = folder + "\\" + name;
    if (descend)
      removeFolder(path);
    else if (!DeleteFileW(widePath(path).c_str()))
      RemoveDirectoryW(widePath(path).c_str());  // a link to a folder
  });
  return RemoveDirectoryW(widePath(folder).c_str()) != 0;
}

bool fileExists(const std::string& path) {
  return GetFileAttributesW(widePath(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string readFile(const std::string& path) {
  std::ifstream file(widePath(path).c_str(), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), {});
}

bool writeFile(const std::string& path, const std::string& content) {
  std::ofstream file(widePath(path).c_str(), std::ios::binary);
  file.write(content.data(), static_cast<std::streamsize>(content.size()));
  file.close();
  return !file.fail();
}

HWND findProcessWindow(DWORD processId, const char* className) {
  for (HWND window = nullptr; (window = FindWindowExA(nullptr, window, className, nullptr));) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == processId) return window;
  }
  return nullptr;
}

OvixProcess::~OvixProcess() {
  if (process.hProcess) {
    TerminateProcess(process.hProcess, 1);  // refused once the process has ended
    WaitForSingleObject(process.hProcess, 10000);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
  }
  if (!programFolder.empty() && !std::getenv("OVIX_KEEP_FOLDERS")) removeFolder(programFolder);
}

bool OvixProcess::start(const std::function<void(const std::string& folder)>& prepare) {
  programFolder = makeScratchFolder("ovix");
  if (programFolder.empty() || !copyFolder(stagedProgramFolder(), programFolder)) return false;
  if (prepare) prepare(programFolder);
  return startIn(programFolder);
}

bool OvixProcess::startIn(const std::string& folder) {
  programFolder = folder;
  // Ovix under test never reaches past this machine.
  if (GetEnvironmentVariableA("OVIX_UPDATE_SERVER", nullptr, 0) == 0) SetEnvironmentVariableA("OVIX_UPDATE_SERVER", "127.0.0.1:9");
  std::string commandLine = "\"" + path("ovix.exe") + "\"" + (arguments.empty() ? "" : " " + arguments);
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  return CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, programFolder.c_str(), &startup,
                        &process) &&
         (mainWindow = waitForWindowOf("Ovix - Photo viewer"));
}

HWND OvixProcess::waitForWindowOf(const char* className, DWORD timeoutMs) const {
  HWND found = nullptr;
  return waitFor([&] { return (found = findProcessWindow(process.dwProcessId, className)) && IsWindowVisible(found); }, timeoutMs)
             ? found
             : nullptr;
}

bool OvixProcess::endsCleanly(DWORD timeoutMs) {
  DWORD exitCode = 99;
  return process.hProcess && WaitForSingleObject(process.hProcess, timeoutMs) == WAIT_OBJECT_0 &&
         GetExitCodeProcess(process.hProcess, &exitCode) && exitCode == 0;
}

bool Capture::savePng(const std::string& path) const {
  static ULONG_PTR gdiplus = 0;  // started once, for the whole run
  Gdiplus::GdiplusStartupInput input;
  if (width <= 0 || height <= 0 || (!gdiplus && Gdiplus::GdiplusStartup(&gdiplus, &input, nullptr) != Gdiplus::Ok)) return false;
  Gdiplus::Bitmap bitmap(width, height, width * 4, PixelFormat32bppRGB, reinterpret_cast<BYTE*>(const_cast<uint32_t*>(pixels.data())));
  CLSID png;  // GDI+'s PNG encoder
  CLSIDFromString(L"{557CF406-1A04-11D3-9A73-0000F81EF32E}", &png);
  return bitmap.Save(std::wstring(path.begin(), path.end()).c_str(), &png, nullptr) == Gdiplus::Ok;
}
