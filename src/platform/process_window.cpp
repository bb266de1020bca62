#include "platform/process_window.h"

HINSTANCE instance = nullptr;
std::atomic<HWND> mainWindow{nullptr};
unsigned mouseX = 0, mouseY = 0;
