#include "dialog_test_support.h"

#include <gtest/gtest.h>

#include <cstring>

#include "app/viewer_app.h"
#include "structure/settings.h"

namespace {
const char testLanguage[] =
    "[Windows]\n"
    "  [Msg] yes = Ano; no = Ne; ok = OK; [/Msg]\n"
    "  [Progress] text = \"Loading photos\"; [/Progress]\n"
    "  [Tabs] title = \"Tabbed dialog\"; one = First; two = Second; three = Third; [/Tabs]\n"
    "  [NoTitle] one = First; [/NoTitle]\n"
    "[/Windows]\n";

std::string startFolder;

class DialogEnvironment : public ::testing::Environment {
public:
  void SetUp() override {
    instance = GetModuleHandleA(nullptr);
    settings.dialogFont = GetStockObject(DEFAULT_GUI_FONT);
    folder = makeScratchFolder("ovix-dialogs");
    copyFolder(stagedProgramFolder() + "\\data", folder + "\\data");
    CreateDirectoryA((folder + "\\languages").c_str(), nullptr);
    ASSERT_TRUE(writeFile(folder + "\\languages\\test.lang", testLanguage));
    std::strcpy(settings.language, "test");
    char previous[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, previous);
    startFolder = previous;
    ASSERT_TRUE(SetCurrentDirectoryA(folder.c_str()));
  }
  void TearDown() override {
    SetCurrentDirectoryA(startFolder.c_str());
    removeFolder(folder);
  }

private:
  std::string folder;
};
}  // namespace

const std::string& testOutputFolder() { return startFolder; }

void installDialogEnvironment() {
  static bool installed = false;
  if (!installed) ::testing::AddGlobalTestEnvironment(new DialogEnvironment);
  installed = true;
}

MessageRecorder::MessageRecorder() {
  name = "Ovix test recorder";
  WNDCLASSEXA windowClass = {};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = windowProc;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = name;
  RegisterClassExA(&windowClass);
  handle = CreateWindowExA(0, name, name, WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr, instance,
                           nullptr);
}

MessageRecorder::~MessageRecorder() {
  // Deleted by the test while its window lives: no object may answer for the window any more.
  HWND window = handle;
  handle = nullptr;
  if (window) DestroyWindow(window);
}

LRESULT MessageRecorder::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == MSG_BOX_ANSWER || message == MSG_LINK_CLICKED) {
    received.push_back({wParam, lParam});
    return 0;
  }
  HWND window = handle;
  if (message == WM_DESTROY) handle = nullptr;  // windowProc deletes the object next
  return DefWindowProcA(window, message, wParam, lParam);
}

std::string windowText(HWND window) {
  char text[1024] = "";
  GetWindowTextA(window, text, sizeof text);
  return text;
}

HWND findChild(HWND dialog, const char* className, const char* text) {
  return FindWindowExA(dialog, nullptr, className, text);
}

bool captureWindow(HWND window, Capture& capture, POINT& client) {
  RECT place;
  if (!GetWindowRect(window, &place)) return false;
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  client = {0, 0};
  ClientToScreen(window, &client);
  client = {client.x - place.left, client.y - place.top};
  capture.width = place.right - place.left;
  capture.height = place.bottom - place.top;
  capture.pixels.assign(static_cast<size_t>(capture.width) * capture.height, 0);
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = capture.width;
  info.bmiHeader.biHeight = -capture.height;  // rows top to bottom
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  bool ok = BitBlt(memory, 0, 0, capture.width, capture.height, screen, place.left, place.top, SRCCOPY);
  GdiFlush();
  if (ok) std::memcpy(capture.pixels.data(), bits, capture.pixels.size() * 4);
  SelectObject(memory, previous);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return ok;
}

int countColour(const Capture& capture, POINT origin, int x0, int y0, int x1, int y1,
                COLORREF colour, int tolerance) {
  int count = 0;
  for (int y = origin.y + y0; y < origin.y + y1 && y < capture.height; ++y)
    for (int x = origin.x + x0; x < origin.x + x1 && x < capture.width; ++x) {
      uint32_t pixel = capture.at(x, y);
      count += std::abs(redOf(pixel) - GetRValue(colour)) <= tolerance &&
               std::abs(greenOf(pixel) - GetGValue(colour)) <= tolerance &&
               std::abs(blueOf(pixel) - GetBValue(colour)) <= tolerance;
    }
  return count;
}
