#include "show_driver.h"

#include <cmath>
#include <cstdio>

namespace {
const COLORREF palette[10] = {
    RGB(220, 40, 40),   RGB(40, 200, 40),   RGB(40, 60, 230),  RGB(235, 225, 40),
    RGB(220, 40, 220),  RGB(40, 215, 215),  RGB(245, 140, 20), RGB(130, 60, 190),
    RGB(255, 185, 200), RGB(110, 110, 20)};

bool writePhoto(const std::string& path, COLORREF colour, int width = 320, int height = 240) {
  const int rowBytes = (width * 3 + 3) & ~3;
  BITMAPFILEHEADER file = {};
  BITMAPINFOHEADER info = {};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof info;
  file.bfSize = file.bfOffBits + static_cast<DWORD>(rowBytes * height);
  info.biSize = sizeof info;
  info.biWidth = width;
  info.biHeight = height;
  info.biPlanes = 1;
  info.biBitCount = 24;
  std::string data(reinterpret_cast<const char*>(&file), sizeof file);
  data.append(reinterpret_cast<const char*>(&info), sizeof info);
  std::string row(static_cast<size_t>(rowBytes), '\0');
  for (int x = 0; x < width; ++x) {
    row[x * 3] = static_cast<char>(GetBValue(colour));
    row[x * 3 + 1] = static_cast<char>(GetGValue(colour));
    row[x * 3 + 2] = static_cast<char>(GetRValue(colour));
  }
  for (int y = 0; y < height; ++y) data += row;
  return writeFile(path, data);
}

// Where a scene point at depth z (camera looking down -z, 45 degree field) shows in the client area.
POINT sceneToClient(HWND window, double x, double y, double z) {
  const SIZE size = clientSize(window);
  const double focal = 1.0 / std::tan(22.5 * 3.14159265358979 / 180.0);
  const double ndcX = focal * size.cy / size.cx * x / -z, ndcY = focal * y / -z;
  return {static_cast<LONG>(std::lround((ndcX + 1.0) / 2.0 * size.cx)),
          static_cast<LONG>(std::lround((1.0 - ndcY) / 2.0 * size.cy))};
}
constexpr double buttonDepth = -2.5 + 1.0 + 0.01;
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

int photoNumberOf(COLORREF pixel) {
  int best = 0, bestDistance = 45 * 45;
  for (int n = 1; n <= 10; ++n) {
    const int r = GetRValue(pixel) - GetRValue(palette[n - 1]), g = GetGValue(pixel) - GetGValue(palette[n - 1]),
              b = GetBValue(pixel) - GetBValue(palette[n - 1]);
    if (r * r + g * g + b * b < bestDistance) {
      best = n;
      bestDistance = r * r + g * g + b * b;
    }
  }
  return best;
}

COLORREF clientPixel(HWND window, int x, int y) {
  POINT at = {x, y};
  ClientToScreen(window, &at);
  HDC screen = GetDC(nullptr);
  const COLORREF pixel = GetPixel(screen, at.x, at.y);
  ReleaseDC(nullptr, screen);
  return pixel;
}

SIZE clientSize(HWND window) {
  RECT client = {};
  GetClientRect(window, &client);
  return {client.right, client.bottom};
}

POINT menuOpenButton(HWND window) { return sceneToClient(window, -0.3925, 1.0 - 0.4785, buttonDepth); }
POINT navigationButton(HWND window, int role) { return sceneToClient(window, 0.709, 0.33 - 0.105 * role, buttonDepth); }
POINT thumbnailCentre(HWND window, int k, double right, double up) {
  return sceneToClient(window, -0.355 + 0.23 * k + 0.065 * right, -0.472 + 0.044 * up, buttonDepth);
}
POINT stripArrow(HWND window, bool next) {
  return sceneToClient(window, next ? -0.325 + 0.785 : -0.465, -0.47, buttonDepth + 0.01);
}
POINT musicButton(HWND window, int role) { return sceneToClient(window, -0.691, 0.33 - 0.105 * role, buttonDepth); }

void clickAt(HWND window, POINT at) { PostMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y)); }
void hoverAt(HWND window, POINT at) { PostMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(at.x, at.y)); }

int shownPhoto(HWND window) {
  const SIZE size = clientSize(window);
  return photoNumberOf(clientPixel(window, size.cx / 2, size.cy / 2));
}

bool openFolderThroughDialog(OvixProcess& ovix, const std::string& folder) {
  DWORD processId = 0;
  GetWindowThreadProcessId(ovix.window(), &processId);
  clickAt(ovix.window(), menuOpenButton(ovix.window()));
  HWND dialog = nullptr;
  if (!waitFor([&] {
        dialog = findProcessWindow(processId, "Ovix - Otevřít fotky");
        return dialog && IsWindowVisible(dialog);
      }))
    return false;
  HWND edit = FindWindowExA(dialog, nullptr, "Edit", nullptr);
  HWND run = GetDlgItem(dialog, 4);
  if (!edit || !run) return false;
  SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(folder.c_str()));
  PostMessageA(run, BM_CLICK, 0, 0);
  return waitFor([&] { return !IsWindow(dialog); }, 120000);
}

std::string testConfig(int flipTime, int cacheLevel, bool music, const std::string& musicDir) {
  std::string escapedMusic;
  for (char c : musicDir) escapedMusic += c == '\\' ? std::string("\\\\") : std::string(1, c);
  return "[Configuration]\r\n\t[Program]\r\n\t\tfull_screen=true;\r\n\t\tcheck_updates=false;\r\n"
         "\t[/Program]\r\n\t[Scene]\r\n\t\tflip_time=" + std::to_string(flipTime) +
         ";\r\n\t[/Scene]\r\n\t[Graphics]\r\n\t\tcache_level=" + std::to_string(cacheLevel) +
         ";\r\n\t\ttexture_size=512;\r\n\t[/Graphics]\r\n\t[Sound]\r\n\t\tmusic_dir=\"" +
         escapedMusic + "\";\r\n\t\tmusic=" + (music ? "true" : "false") +
         ";\r\n\t[/Sound]\r\n\t[Effects]\r\n\t\teffect=1111;\r\n\t[/Effects]\r\n[/Configuration]\r\n";
}
