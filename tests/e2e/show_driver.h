#pragma once
// Driving a photo show from outside Ovix: generated photos, the places of the show's buttons
// on screen, opening a folder through the open photos dialog, and telling which photo a pixel
// belongs to.
#include <windows.h>

#include <string>

#include "support/harness.h"

// A new scratch folder holding photos 1..count named "photo01.bmp" on: 320x240 BMPs, photo n
// one solid colour of a ten-colour palette.
std::string makePhotoFolder(int count);
// The palette number (1-10) whose colour is nearest to `pixel`, or 0 when none is near.
int photoNumberOf(COLORREF pixel);
// One screen pixel at client point (x, y) of `window`.
COLORREF clientPixel(HWND window, int x, int y);
SIZE clientSize(HWND window);

// Buttons of the show's bars and of the menu panel, by their role.
POINT menuOpenButton(HWND window);
POINT navigationButton(HWND window, int role);  // NavigationButton order
// Thumbnail k (0-3); `right` and `up` move from its centre by fractions of its half sides.
POINT thumbnailCentre(HWND window, int k, double right = 0, double up = 0);
POINT stripArrow(HWND window, bool next);
POINT musicButton(HWND window, int role);        // MusicButton order

// A left click (button up), or the mouse moved, at client point `at`.
void clickAt(HWND window, POINT at);
void hoverAt(HWND window, POINT at);

// The photo number in the middle of the large photo (0 for none).
int shownPhoto(HWND window);

// Clicks the menu panel's open button, types `folder` into the photo folder edit and presses
// run. True when the dialog appeared and went away again.
bool openFolderThroughDialog(OvixProcess& ovix, const std::string& folder);

// A config.conf for the tests: windowed full screen, no update check, plain effect.
std::string testConfig(int flipTime, int cacheLevel, bool music = false,
                       const std::string& musicDir = std::string());
