#pragma once
// Driving a show in a running Ovix: Ovix started for a show, clicks on the scene, a folder opened
// through the dialog; photos a test can tell apart on screen: generated folders of one-colour
// photos, and which of them the show has in the middle of its window.
#include <windows.h>

#include <string>

#include "support/harness.h"

// A new scratch folder holding photos 1..count named "photo01.png" on: 320x240, photo n one
// solid colour of a ten-colour palette. Empty when a photo cannot be written.
std::string makePhotoFolder(int count);
// The photo number in the middle of the window's client area on screen (0 for none).
int shownPhoto(HWND window);

// The depth of the menu panel's and the bars' buttons in the scene.
constexpr double barDepth = -2.5 + 1.0 + 0.01;
// A left click (button up) on scene point (x, y) at depth z, taken by Ovix before this returns.
void clickScene(HWND window, double x, double y, double z = barDepth);
// Starts Ovix full screen with a config.conf for a show: no update check, cache level 8,
// textures of 512, the plain effect, a slide every `flipTime` ms, music from `musicDir` when
// given, sub-folders when `recursive`. True when its window came.
bool startForShow(OvixProcess& ovix, int flipTime, const std::string& musicDir = "", bool recursive = false);
// Clicks the menu panel's open button, types `folder` into the photo folder edit and presses
// run. True when the dialog appeared and went away again.
bool openFolderThroughDialog(OvixProcess& ovix, const std::string& folder);
