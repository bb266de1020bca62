#include "platform/documents.h"

#include <windows.h>
#include <shellapi.h>

#include "platform/path_text.h"
#include "platform/process_window.h"

namespace {
void shellOpen(const char* address) {
  // Addresses and paths are UTF-8: a program folder or a report in any script opens.
  ShellExecuteW(mainWindow, L"open", wideText(address).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}
}  // namespace

void (*openDocument)(const char* address) = shellOpen;

std::string helpPageAddress() { return "file:///" + currentFolder() + "/help/help_cz.html"; }
