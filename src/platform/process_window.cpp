#include "platform/process_window.h"

HINSTANCE instance = nullptr;
HWND mainWindow = nullptr;
unsigned mouseX = 0, mouseY = 0;
