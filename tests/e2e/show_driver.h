#pragma once
// Driving Ovix from outside: generated photos, the places of the show's buttons on screen, keys,
// opening a folder through the open photos dialog, and telling which photo the show shows.
#include <windows.h>

#include <string>

#include "support/harness.h"

// A new scratch folder holding photos 1..count named "photo01.bmp" on: 320x240 BMPs, photo n
// one solid colour of a ten-colour palette.
std::string makePhotoFolder(int count);
// The photo number in the middle of the large photo (0 for none).
int shownPhoto(HWND window);

// Buttons of the show's bars in client coordinates, by their roles (NavigationButton,
// MusicButton), and the film strip's thumbnail k (0-3) and arrows.
POINT navigationButton(HWND window, int role);
POINT musicButton(HWND window, int role);
POINT thumbnailCentre(HWND window, int k);
POINT stripArrow(HWND window, bool next);
// A left click (button up) at client point `at`, taken by Ovix before this returns.
void clickAt(HWND window, POINT at);

// Ctrl+key as the keyboard sends it to the main window, held until the process shows a window
// of class `className`; that window, or none when it does not come.
HWND pressControlKey(OvixProcess& ovix, int key, const char* className);
// The text of a control of another process.
std::string controlText(HWND control);

// Clicks the menu panel's open button, types `folder` into the photo folder edit and presses
// run. True when the dialog appeared and went away again.
bool openFolderThroughDialog(OvixProcess& ovix, const std::string& folder);

// A config.conf for the show's tests: full screen, no update check, cache level 8, textures of
// 512, the plain effect, music from `musicDir` when given.
std::string testConfig(int flipTime, const std::string& musicDir = std::string());
