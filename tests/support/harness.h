#pragma once
// End-to-end driver for Ovix under test: runs ovix.exe in a fresh copy of the staged program
// folder, finds its main window, sends it input and reads back what it shows. Also the file and
// folder chores every Wine-side test shares.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// Polls `condition` until it holds or `timeoutMs` passes, pumping this thread's messages in
// between; true when it held. Tests wait for conditions, never for fixed times.
bool waitFor(const std::function<bool()>& condition, DWORD timeoutMs = 30000);

// The folder a test's environment variable names (a Unix path under Wine) as a Windows path;
// "." when it is not set.
std::string folderFromEnvironment(const char* variable);
// The staged program folder (from OVIX_STAGE_DIR).
std::string stagedProgramFolder();

// Paths are UTF-8, as Ovix carries them (platform/path_text.h).

// A fresh, empty scratch folder under the temporary folder; empty when none can be made.
std::string makeScratchFolder(const char* prefix);
// The names in `folder`, without "." and "..", sorted.
std::vector<std::string> folderEntries(const std::string& folder);
// Copies `from` into `to` (made when missing), sub-folders too; false when anything failed.
bool copyFolder(const std::string& from, const std::string& to);
// Removes `folder` and everything in it; false when the folder itself stays.
bool removeFolder(const std::string& folder);
bool fileExists(const std::string& path);
// The whole file; empty when it cannot be read.
std::string readFile(const std::string& path);
bool writeFile(const std::string& path, const std::string& content);

// 32-bit BGRA pixels of a picture, rows top to bottom.
struct Capture {
  int width = 0, height = 0;
  std::vector<uint32_t> pixels;
  // Writes the capture as a PNG; false on failure.
  bool savePng(const std::string& path) const;
};

class OvixProcess {
public:
  OvixProcess() = default;
  // Ends a still running Ovix and removes its folder (unless OVIX_KEEP_FOLDERS is set).
  ~OvixProcess();

  // Copies the staged program folder to a fresh folder, lets `prepare` adjust it (write a
  // config.conf, add photos), and starts ovix.exe there with that folder as current directory
  // as startIn does.
  bool start(const std::function<void(const std::string& folder)>& prepare = {});
  // Starts the ovix.exe of an existing program folder, which then belongs to this object (once
  // per object), and waits for its main window ("Ovix - Photo viewer") to be visible; false
  // when it cannot start or the window does not come. Unless the environment names
  // OVIX_UPDATE_SERVER, the update check meets a closed port.
  bool startIn(const std::string& folder);
  // Waits for a visible top-level window of class `className` of this process; none when it
  // does not come in time.
  HWND waitForWindowOf(const char* className, DWORD timeoutMs = 30000) const;
  // Waits for the process to end; true when it ended in time with exit code 0.
  bool endsCleanly(DWORD timeoutMs = 30000);

  HWND window() const { return mainWindow; }
  // What follows "ovix.exe" on the command line of the next start, as a shell would pass it.
  std::string arguments;
  DWORD processId() const { return process.dwProcessId; }
  std::string path(const char* relative) const { return programFolder + "\\" + relative; }

private:
  std::string programFolder;
  PROCESS_INFORMATION process = {};
  HWND mainWindow = nullptr;
};

// A top-level window of class `className` belonging to the process; none when there is none.
HWND findProcessWindow(DWORD processId, const char* className);
