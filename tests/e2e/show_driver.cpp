#include "show_driver.h"

#include <cmath>
#include <cstdio>

namespace {
const COLORREF palette[10] = {RGB(220, 40, 40),  RGB(40, 200, 40),  RGB(40, 60, 230),  RGB(235, 225, 40),
                              RGB(220, 40, 220), RGB(40, 215, 215), RGB(245, 140, 20), RGB(130, 60, 190),
                              RGB(255, 185, 200), RGB(110, 110, 20)};

// A 320x240 BMP of one colour: the 54 bytes of the file and info headers, little-endian, then
// rows of 960 bytes, which need no padding.
bool writePhoto(const std::string& path, COLORREF colour) {
  auto bytes = [](uint32_t value, int count) {
    std::string out;
    for (int i = 0; i < count; ++i) out += char(value >> 8 * i);
    return out;
  };
  std::string data = "BM" + bytes(54 + 320 * 240 * 3, 4) + bytes(0, 4) + bytes(54, 4) + bytes(40, 4) + bytes(320, 4) +
                     bytes(240, 4) + bytes(1, 2) + bytes(24, 2) + std::string(24, '\0');
  for (int i = 0; i < 320 * 240; ++i) data += {char(GetBValue(colour)), char(GetGValue(colour)), char(GetRValue(colour))};
  return writeFile(path, data);
}

// The palette number (1-10) whose colour is nearest to `pixel`, or 0 when none is near.
int photoNumberOf(COLORREF pixel) {
  int best = 0, bestDistance = 45 * 45;
  for (int n = 1; n <= 10; ++n) {
    const int r = GetRValue(pixel) - GetRValue(palette[n - 1]), g = GetGValue(pixel) - GetGValue(palette[n - 1]),
              b = GetBValue(pixel) - GetBValue(palette[n - 1]);
    if (r * r + g * g + b * b < bestDistance) best = n, bestDistance = r * r + g * g + b * b;
  }
  return best;
}

// Where a scene point at depth z (camera looking down -z, 45 degree field) shows in the client area.
POINT sceneToClient(HWND window, double x, double y, double z = -2.5 + 1.0 + 0.01) {
  RECT client = {};
  GetClientRect(window, &client);
  const double focal = 1.0 / std::tan(22.5 * 3.14159265358979 / 180.0);
  const double ndcX = focal * client.bottom / client.right * x / -z, ndcY = focal * y / -z;
  return {std::lround((ndcX + 1.0) / 2.0 * client.right), std::lround((1.0 - ndcY) / 2.0 * client.bottom)};
}
}  // namespace

std::string makePhotoFolder(int count) {
  const std::string folder = makeScratchFolder("ovix-photos");
  for (int n = 1; n <= count; ++n) {
    char name[32];
    std::snprintf(name, sizeof name, "\\photo%02d.bmp", n);
    if (!writePhoto(folder + name, palette[(n - 1) % 10])) return std::string();
  }
  return folder;
}

int shownPhoto(HWND window) {
  RECT client = {};
  GetClientRect(window, &client);
  POINT middle = {client.right / 2, client.bottom / 2};
  ClientToScreen(window, &middle);
  HDC screen = GetDC(nullptr);
  const COLORREF pixel = GetPixel(screen, middle.x, middle.y);
  ReleaseDC(nullptr, screen);
  return photoNumberOf(pixel);
}

POINT navigationButton(HWND window, int role) { return sceneToClient(window, 0.709, 0.33 - 0.105 * role); }
POINT musicButton(HWND window, int role) { return sceneToClient(window, -0.691, 0.33 - 0.105 * role); }
POINT thumbnailCentre(HWND window, int k) { return sceneToClient(window, -0.355 + 0.23 * k, -0.472); }
POINT stripArrow(HWND window, bool next) { return sceneToClient(window, next ? 0.46 : -0.465, -0.47, -1.48); }

void clickAt(HWND window, POINT at) {
  DWORD_PTR result = 0;
  SendMessageTimeoutA(window, WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y), SMTO_ABORTIFHUNG, 10000, &result);
}

HWND pressControlKey(OvixProcess& ovix, int key, const char* className) {
  PostMessageA(ovix.window(), WM_KEYDOWN, VK_CONTROL, 0);
  PostMessageA(ovix.window(), WM_KEYDOWN, key, 0);
  HWND found = ovix.waitForWindowOf(className);
  PostMessageA(ovix.window(), WM_KEYUP, key, 0);
  PostMessageA(ovix.window(), WM_KEYUP, VK_CONTROL, 0);
  return found;
}

std::string controlText(HWND control) {
  char text[MAX_PATH] = "";
  SendMessageA(control, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
  return text;
}

bool openFolderThroughDialog(OvixProcess& ovix, const std::string& folder) {
  clickAt(ovix.window(), sceneToClient(ovix.window(), -0.3925, 1.0 - 0.4785));  // the menu panel's open button
  HWND dialog = ovix.waitForWindowOf("Ovix - Otevřít fotky");
  HWND edit = FindWindowExA(dialog, nullptr, "Edit", nullptr), run = GetDlgItem(dialog, 4);
  if (!dialog || !edit || !run) return false;
  SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(folder.c_str()));
  PostMessageA(run, BM_CLICK, 0, 0);
  return waitFor([&] { return !IsWindow(dialog); }, 120000);
}

std::string testConfig(int flipTime, const std::string& musicDir) {
  std::string escapedMusic;
  for (char c : musicDir) escapedMusic += c == '\\' ? std::string("\\\\") : std::string(1, c);
  return "[Configuration][Program]full_screen=true;check_updates=false;[/Program][Scene]flip_time=" +
         std::to_string(flipTime) + ";[/Scene][Graphics]cache_level=8;texture_size=512;[/Graphics][Sound]music_dir=\"" +
         escapedMusic + "\";music=" + (musicDir.empty() ? "false" : "true") + ";[/Sound][Effects]effect=1111;[/Effects][/Configuration]";
}
