#include "show_driver.h"

#include <cstdio>

#include "glui/scene_point.h"

namespace {
const COLORREF palette[10] = {RGB(220, 40, 40),  RGB(40, 200, 40),  RGB(40, 60, 230),  RGB(235, 225, 40),
                              RGB(220, 40, 220), RGB(40, 215, 215), RGB(245, 140, 20), RGB(130, 60, 190),
                              RGB(255, 185, 200), RGB(110, 110, 20)};

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
}  // namespace

std::string makePhotoFolder(int count) {
  const std::string folder = makeScratchFolder("ovix-photos");
  Capture photo{320, 240, {}};  // a capture's pixels are BGRA, a COLORREF's bytes RGB
  for (int n = 1; n <= count; ++n) {
    const COLORREF colour = palette[(n - 1) % 10];
    photo.pixels.assign(320 * 240, GetRValue(colour) << 16 | GetGValue(colour) << 8 | GetBValue(colour));
    char name[32];
    std::snprintf(name, sizeof name, "\\photo%02d.png", n);
    if (!photo.savePng(folder + name)) return std::string();
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

void clickScene(HWND window, double x, double y, double z) {
  RECT client = {};
  GetClientRect(window, &client);
  const Pixel at = scenePixel(x, y, z, client.right, client.bottom);
  DWORD_PTR result = 0;
  SendMessageTimeoutA(window, WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y), SMTO_ABORTIFHUNG, 10000, &result);
}

bool startForShow(OvixProcess& ovix, int flipTime, const std::string& musicDir, bool recursive) {
  std::string music;
  for (char c : musicDir) music += c == '\\' ? std::string("\\\\") : std::string(1, c);
  const std::string config = std::string("[Configuration][Program]full_screen=true;check_updates=false;recursive=") +
                             (recursive ? "true" : "false") + ";[/Program][Scene]flip_time=" + std::to_string(flipTime) +
                             ";[/Scene][Graphics]cache_level=8;texture_size=512;[/Graphics][Sound]music_dir=\"" + music +
                             "\";music=" + (music.empty() ? "false" : "true") + ";[/Sound][Effects]effect=1111;[/Effects]"
                             "[/Configuration]";
  return ovix.start([&](const std::string& program) { writeFile(program + "\\config.conf", config); });
}

bool openFolderThroughDialog(OvixProcess& ovix, const std::string& folder) {
  clickScene(ovix.window(), -0.3925, 1.0 - 0.4785);  // the menu panel's open button
  HWND dialog = ovix.waitForWindowOf("Ovix - Otevřít fotky");
  HWND edit = FindWindowExA(dialog, nullptr, "Edit", nullptr), run = GetDlgItem(dialog, 4);
  if (!dialog || !edit || !run) return false;
  SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(folder.c_str()));
  PostMessageA(run, BM_CLICK, 0, 0);
  return waitFor([&] { return !IsWindow(dialog); }, 120000);
}
