#pragma once
// Shared by the dialog tests: the folder the tests started in (screenshots go there), window
// texts and whole-window captures.
#include <windows.h>

#include <string>
#include <vector>

#include "support/harness.h"

// The test driver's starting folder, beside its log; set by the dialog tests' environment.
inline std::string startFolder;

inline std::string windowText(HWND window) {
  char text[1024] = "";
  GetWindowTextA(window, text, sizeof text);
  return text;
}

// The whole window (frame included) as it is on the screen, repainted first, saved as `file`
// in the starting folder; `client` gets the client area's offset inside the capture.
inline bool captureWindow(HWND window, const char* file, Capture& capture, POINT& client) {
  RECT place;
  if (!GetWindowRect(window, &place)) return false;
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  client = {0, 0};
  ClientToScreen(window, &client);
  client = {client.x - place.left, client.y - place.top};
  if (!captureScreen(place, capture)) return false;
  capture.savePng(startFolder + "\\" + file);
  return true;
}

// This thread's top-level windows of class `className`, newest first.
inline std::vector<HWND> threadWindows(const char* className) {
  struct Search {
    const char* className;
    std::vector<HWND> found;
  } search{className, {}};
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM data) -> BOOL {
        auto* s = reinterpret_cast<Search*>(data);
        char name[64] = "";
        GetClassNameA(window, name, sizeof name);
        if (std::string(name) == s->className && IsWindow(window)) s->found.push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}
