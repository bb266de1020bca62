#include "support/harness.h"

#include <wincodec.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

bool waitFor(const std::function<bool()>& condition, DWORD timeoutMs) {
  const ULONGLONG end = GetTickCount64() + timeoutMs;
  for (;;) {
    if (condition()) return true;
    if (GetTickCount64() >= end) return false;
    // Keep this thread's own windows (if any) responsive while waiting.
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
    Sleep(10);
  }
}

std::string folderFromEnvironment(const char* variable) {
  const char* unixPath = std::getenv(variable);
  if (!unixPath || !*unixPath) return ".";
  std::string path = unixPath;
  if (path[0] == '/') path = "Z:" + path;  // Wine maps the Unix root to drive Z:
  for (char& c : path)
    if (c == '/') c = '\\';
  return path;
}

std::string stagedProgramFolder() { return folderFromEnvironment("OVIX_STAGE_DIR"); }

std::string makeScratchFolder(const char* prefix) {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  static LONG counter = 0;
  for (;;) {
    char name[MAX_PATH];
    std::snprintf(name, sizeof name, "%s%s-%lu-%ld", temp, prefix, GetCurrentProcessId(),
                  InterlockedIncrement(&counter));
    if (CreateDirectoryA(name, nullptr)) return name;
    if (GetLastError() != ERROR_ALREADY_EXISTS) return std::string();
  }
}

bool copyFolder(const std::string& from, const std::string& to) {
  CreateDirectoryA(to.c_str(), nullptr);
  WIN32_FIND_DATAA entry;
  HANDLE search = FindFirstFileA((from + "\\*").c_str(), &entry);
  if (search == INVALID_HANDLE_VALUE) return false;
  bool ok = true;
  do {
    std::string name = entry.cFileName;
    if (name == "." || name == "..") continue;
    if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
      ok = copyFolder(from + "\\" + name, to + "\\" + name) && ok;
    else
      ok = CopyFileA((from + "\\" + name).c_str(), (to + "\\" + name).c_str(), FALSE) && ok;
  } while (FindNextFileA(search, &entry));
  FindClose(search);
  return ok;
}

bool removeFolder(const std::string& folder) {
  WIN32_FIND_DATAA entry;
  HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &entry);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      std::string name = entry.cFileName;
      if (name == "." || name == "..") continue;
      std::string path = folder + "\\" + name;
      if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        removeFolder(path);
      else
        DeleteFileA(path.c_str());
    } while (FindNextFileA(search, &entry));
    FindClose(search);
  }
  return RemoveDirectoryA(folder.c_str()) != 0;
}

bool fileExists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string readFile(const std::string& path) {
  std::string content;
  FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return content;
  char buffer[4096];
  size_t count;
  while ((count = std::fread(buffer, 1, sizeof buffer, file)) > 0) content.append(buffer, count);
  std::fclose(file);
  return content;
}

bool writeFile(const std::string& path, const std::string& content) {
  FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  bool ok = std::fwrite(content.data(), 1, content.size(), file) == content.size();
  return std::fclose(file) == 0 && ok;
}

HWND findProcessWindow(DWORD processId, const char* className) {
  struct Search {
    DWORD processId;
    const char* className;
    HWND found;
  } search = {processId, className, nullptr};
  EnumWindows(
      [](HWND window, LPARAM parameter) -> BOOL {
        auto* s = reinterpret_cast<Search*>(parameter);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        char name[256];
        if (owner != s->processId || !GetClassNameA(window, name, sizeof name) || std::strcmp(name, s->className))
          return TRUE;
        s->found = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

OvixProcess::~OvixProcess() {
  kill();
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
  // Ovix under test never reaches past this machine: unless the test names an update server,
  // the update check meets a closed loopback port.
  if (GetEnvironmentVariableA("OVIX_UPDATE_SERVER", nullptr, 0) == 0)
    SetEnvironmentVariableA("OVIX_UPDATE_SERVER", "127.0.0.1:9");
  std::string commandLine = "\"" + path("ovix.exe") + "\"";
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  return CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                        programFolder.c_str(), &startup, &process) != 0;
}

bool OvixProcess::waitForWindow(DWORD timeoutMs) {
  return waitFor(
      [this] {
        mainWindow = findProcessWindow(process.dwProcessId, "Ovix - Photo viewer");
        return mainWindow && IsWindowVisible(mainWindow);
      },
      timeoutMs);
}

bool OvixProcess::waitForExit(DWORD timeoutMs, DWORD* exitCode) {
  if (!process.hProcess) return false;
  if (WaitForSingleObject(process.hProcess, timeoutMs) != WAIT_OBJECT_0) return false;
  if (exitCode) GetExitCodeProcess(process.hProcess, exitCode);
  return true;
}

bool OvixProcess::running() const {
  return process.hProcess && WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT;
}

void OvixProcess::kill() {
  if (!process.hProcess) return;
  if (running()) {
    TerminateProcess(process.hProcess, 1);
    WaitForSingleObject(process.hProcess, 10000);
  }
  CloseHandle(process.hProcess);
  CloseHandle(process.hThread);
  process = {};
}

bool OvixProcess::captureClient(Capture& capture) const {
  RECT client;
  if (!mainWindow || !GetClientRect(mainWindow, &client)) return false;
  MapWindowPoints(mainWindow, nullptr, reinterpret_cast<POINT*>(&client), 2);
  return captureScreen(client, capture);
}

bool captureScreen(const RECT& area, Capture& capture) {
  capture.width = area.right - area.left;
  capture.height = area.bottom - area.top;
  if (capture.width <= 0 || capture.height <= 0) return false;
  capture.pixels.assign(static_cast<size_t>(capture.width) * capture.height, 0);
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = capture.width;
  info.bmiHeader.biHeight = -capture.height;  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  bool ok = false;
  if (bitmap) {
    HGDIOBJ previous = SelectObject(memory, bitmap);
    ok = BitBlt(memory, 0, 0, capture.width, capture.height, screen, area.left, area.top, SRCCOPY);
    GdiFlush();
    if (ok) std::memcpy(capture.pixels.data(), bits, capture.pixels.size() * 4);
    SelectObject(memory, previous);
    DeleteObject(bitmap);
  }
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return ok;
}

bool Capture::savePng(const std::string& path) const {
  if (width <= 0 || height <= 0) return false;
  CoInitializeEx(nullptr, COINIT_MULTITHREADED);
  IWICImagingFactory* factory = nullptr;
  IWICStream* stream = nullptr;
  IWICBitmapEncoder* encoder = nullptr;
  IWICBitmapFrameEncode* frame = nullptr;
  bool ok = false;
  std::wstring widePath(path.begin(), path.end());
  if (SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                 IID_PPV_ARGS(&factory))) &&
      SUCCEEDED(factory->CreateStream(&stream)) &&
      SUCCEEDED(stream->InitializeFromFilename(widePath.c_str(), GENERIC_WRITE)) &&
      SUCCEEDED(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, &encoder)) &&
      SUCCEEDED(encoder->Initialize(stream, WICBitmapEncoderNoCache)) &&
      SUCCEEDED(encoder->CreateNewFrame(&frame, nullptr)) && SUCCEEDED(frame->Initialize(nullptr)) &&
      SUCCEEDED(frame->SetSize(width, height))) {
    WICPixelFormatGUID format = GUID_WICPixelFormat32bppBGR;
    ok = SUCCEEDED(frame->SetPixelFormat(&format)) &&
         SUCCEEDED(frame->WritePixels(height, width * 4, width * height * 4,
                                      reinterpret_cast<BYTE*>(const_cast<uint32_t*>(pixels.data())))) &&
         SUCCEEDED(frame->Commit()) && SUCCEEDED(encoder->Commit());
  }
  if (frame) frame->Release();
  if (encoder) encoder->Release();
  if (stream) stream->Release();
  if (factory) factory->Release();
  return ok;
}
