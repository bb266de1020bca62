#pragma once
// Driving a photo show from outside Ovix: generated numbered photos, the places of the show's
// buttons on screen, opening a folder through the open photos dialog, and telling which photo
// a pixel belongs to.
#include <windows.h>

#include <string>

#include "support/harness.h"

// Photo n (1-10) is one solid colour of this palette with its number drawn large in its top
// left quarter, so the middle of the photo is pure colour.
COLORREF photoColour(int n);
// Writes photo n as a 24-bit BMP of width x height; false on failure.
bool writeNumberedPhoto(const std::string& path, int n, int width = 320, int height = 240);
// A new scratch folder holding photos 1..count named "photo01.bmp" on.
std::string makePhotoFolder(int count);

// The palette number (1-10) whose colour is nearest to `pixel`, or 0 when none is near.
int photoNumberOf(COLORREF pixel);

// One screen pixel at client point (x, y) of `window`.
COLORREF clientPixel(HWND window, int x, int y);

// Client size of the main window.
SIZE clientSize(HWND window);

// Where a scene point at depth z (camera looking down -z) shows in the client area.
POINT sceneToClient(HWND window, double x, double y, double z);

// Buttons of the show's bars and of the menu panel, by their role.
POINT menuOpenButton(HWND window);
POINT navigationButton(HWND window, int role);  // NavigationButton order
POINT thumbnailCentre(HWND window, int k);       // 0-3
POINT stripArrow(HWND window, bool next);
POINT musicButton(HWND window, int role);        // MusicButton order

// A left click (button up) at client point `at`.
void clickAt(HWND window, POINT at);
// The mouse moved to client point `at`.
void hoverAt(HWND window, POINT at);

// The photo number in the middle of the large photo (0 for none).
int shownPhoto(HWND window);

// Clicks the menu panel's open button, types `folder` into the photo folder edit and presses
// run. True when the dialog appeared and went away again.
bool openFolderThroughDialog(OvixProcess& ovix, const std::string& folder);

// A config.conf for the tests: windowed full screen, no update check, plain effect.
std::string testConfig(int flipTime, int cacheLevel, bool music = false,
                       const std::string& musicDir = std::string());
