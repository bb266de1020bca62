#include "show_driver.h"

#include <cmath>
#include <cstdio>
#include <vector>

namespace {
const COLORREF palette[10] = {
    RGB(220, 40, 40),   RGB(40, 200, 40),   RGB(40, 60, 230),  RGB(235, 225, 40),
    RGB(220, 40, 220),  RGB(40, 215, 215),  RGB(245, 140, 20), RGB(130, 60, 190),
    RGB(255, 185, 200), RGB(110, 110, 20)};

// 3 x 5 digit glyphs, one row per 3 bits, top row first.
const unsigned char digits[10][5] = {
    {7, 5, 5, 5, 7}, {2, 6, 2, 2, 7}, {7, 1, 7, 4, 7}, {7, 1, 7, 1, 7}, {5, 5, 7, 1, 1},
    {7, 4, 7, 1, 7}, {7, 4, 7, 5, 7}, {7, 1, 1, 1, 1}, {7, 5, 7, 5, 7}, {7, 5, 7, 1, 7}};

int distanceSquared(COLORREF a, COLORREF b) {
  const int r = GetRValue(a) - GetRValue(b), g = GetGValue(a) - GetGValue(b),
            bl = GetBValue(a) - GetBValue(b);
  return r * r + g * g + bl * bl;
}
}  // namespace

COLORREF photoColour(int n) { return palette[(n - 1) % 10]; }

bool writeNumberedPhoto(const std::string& path, int n, int width, int height) {
  const COLORREF colour = photoColour(n);
  const int luminance = GetRValue(colour) * 3 + GetGValue(colour) * 6 + GetBValue(colour);
  const COLORREF ink = luminance > 1500 ? RGB(0, 0, 0) : RGB(255, 255, 255);
  // Pixels top row first, then written bottom-up as BMP wants.
  std::vector<COLORREF> pixels(static_cast<size_t>(width) * height, colour);
  const int cell = height / 12;
  const std::string number = std::to_string(n);
  int left = cell / 2;
  for (char c : number) {
    const unsigned char* glyph = digits[c - '0'];
    for (int row = 0; row < 5; ++row)
      for (int column = 0; column < 3; ++column)
        if (glyph[row] & (4 >> column))
          for (int y = 0; y < cell; ++y)
            for (int x = 0; x < cell; ++x) {
              const int px = left + column * cell + x, py = cell / 2 + row * cell + y;
              if (px < width / 2 && py < height / 2) pixels[static_cast<size_t>(py) * width + px] = ink;
            }
    left += 4 * cell;
  }

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
  info.biCompression = BI_RGB;
  std::string data(reinterpret_cast<const char*>(&file), sizeof file);
  data.append(reinterpret_cast<const char*>(&info), sizeof info);
  std::string row(static_cast<size_t>(rowBytes), '\0');
  for (int y = height - 1; y >= 0; --y) {
    for (int x = 0; x < width; ++x) {
      const COLORREF p = pixels[static_cast<size_t>(y) * width + x];
      row[static_cast<size_t>(x) * 3] = static_cast<char>(GetBValue(p));
      row[static_cast<size_t>(x) * 3 + 1] = static_cast<char>(GetGValue(p));
      row[static_cast<size_t>(x) * 3 + 2] = static_cast<char>(GetRValue(p));
    }
    data += row;
  }
  return writeFile(path, data);
}

std::string makePhotoFolder(int count) {
  const std::string folder = makeScratchFolder("ovix-photos");
  for (int n = 1; n <= count; ++n) {
    char name[32];
    std::snprintf(name, sizeof name, "\\photo%02d.bmp", n);
    if (!writeNumberedPhoto(folder + name, n)) return std::string();
  }
  return folder;
}

int photoNumberOf(COLORREF pixel) {
  int best = 0, bestDistance = 45 * 45;
  for (int n = 1; n <= 10; ++n) {
    const int d = distanceSquared(pixel, palette[n - 1]);
    if (d < bestDistance) {
      best = n;
      bestDistance = d;
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

POINT sceneToClient(HWND window, double x, double y, double z) {
  const SIZE size = clientSize(window);
  const double focal = 1.0 / std::tan(22.5 * 3.14159265358979 / 180.0);
  const double aspect = static_cast<double>(size.cx) / size.cy;
  const double ndcX = focal / aspect * x / -z, ndcY = focal * y / -z;
  return {static_cast<LONG>(std::lround((ndcX + 1.0) / 2.0 * size.cx)),
          static_cast<LONG>(std::lround((1.0 - ndcY) / 2.0 * size.cy))};
}

namespace {
constexpr double buttonDepth = -2.5 + 1.0 + 0.01;
}

POINT menuOpenButton(HWND window) { return sceneToClient(window, -0.3925, 1.0 - 0.4785, buttonDepth); }
POINT navigationButton(HWND window, int role) {
  return sceneToClient(window, 0.709, 0.33 - 0.105 * role, buttonDepth);
}
POINT thumbnailCentre(HWND window, int k) {
  return sceneToClient(window, -0.435 + 0.08 + 0.23 * k, -0.472, buttonDepth);
}
POINT stripArrow(HWND window, bool next) {
  return sceneToClient(window, next ? -0.325 + 0.785 : -0.465, -0.47, buttonDepth + 0.01);
}
POINT musicButton(HWND window, int role) {
  return sceneToClient(window, -0.691, 0.33 - 0.105 * role, buttonDepth);
}

void clickAt(HWND window, POINT at) {
  PostMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
}
void hoverAt(HWND window, POINT at) {
  PostMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(at.x, at.y));
}

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
  for (char c : musicDir) {
    if (c == '\\') escapedMusic += '\\';
    escapedMusic += c;
  }
  return "[Configuration]\r\n\t[Program]\r\n\t\tfull_screen=true;\r\n\t\tcheck_updates=false;\r\n"
         "\t[/Program]\r\n\t[Scene]\r\n\t\tflip_time=" + std::to_string(flipTime) +
         ";\r\n\t[/Scene]\r\n\t[Graphics]\r\n\t\tcache_level=" + std::to_string(cacheLevel) +
         ";\r\n\t\ttexture_size=512;\r\n\t[/Graphics]\r\n\t[Sound]\r\n\t\tmusic_dir=\"" +
         escapedMusic + "\";\r\n\t\tmusic=" + (music ? "true" : "false") +
         ";\r\n\t[/Sound]\r\n\t[Effects]\r\n\t\teffect=1111;\r\n\t[/Effects]\r\n[/Configuration]\r\n";
}
