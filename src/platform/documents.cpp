#include "platform/documents.h"

#include <windows.h>
#include <shellapi.h>

#include <cstdio>

#include "platform/process_window.h"

namespace {
void shellOpen(const char* address) {
  ShellExecuteA(mainWindow, "open", address, nullptr, nullptr, SW_SHOWNORMAL);
}
}  // namespace

void (*openDocument)(const char* address) = shellOpen;

std::string helpPageAddress() {
  char folder[257] = {};
  GetCurrentDirectoryA(sizeof folder - 1, folder);
  char address[512];
  std::snprintf(address, sizeof address, "file:///%s/help/help_cz.html", folder);
  return address;
}
