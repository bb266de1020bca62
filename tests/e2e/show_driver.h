#pragma once
// Photos a test can tell apart on screen: generated folders of one-colour photos, and which of
// them the show has in the middle of its window.
#include <windows.h>

#include <string>

#include "support/harness.h"

// A new scratch folder holding photos 1..count named "photo01.png" on: 320x240, photo n one
// solid colour of a ten-colour palette. Empty when a photo cannot be written.
std::string makePhotoFolder(int count);
// The photo number in the middle of the window's client area on screen (0 for none).
int shownPhoto(HWND window);
