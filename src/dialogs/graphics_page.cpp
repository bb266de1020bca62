#include "dialogs/graphics_page.h"

#include <GL/gl.h>
#include <commctrl.h>

#include <cstdio>
#include <string>

#include "dialogs/config_values.h"
#include "platform/documents.h"
#include "platform/file_access.h"
#include "platform/path_text.h"
#include "platform/process_window.h"
#include "structure/settings.h"

namespace {
const int32_t colourDepths[] = {16, 24, 32};

const char* glText(GLenum name) { return reinterpret_cast<const char*>(glGetString(name)); }
}  // namespace

GraphicsPage::GraphicsPage(const DialogFrame& dialog)
    : ConfigPage(dialog, "Graphics Config", "Graphics") {
  depthList = addDropList(130, 8, 45, 100);
  for (int32_t depth : colourDepths) {
    const LRESULT index =
        SendMessageA(depthList, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(std::to_string(depth).c_str()));
    if (depth == settings.bits) SendMessageA(depthList, CB_SETCURSEL, index, 0);
  }

  percent = settings.opacity;
  slider = addControl(TRACKBAR_CLASSA, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP |
                                               TBS_NOTICKS | TBS_ENABLESELRANGE,
                      0, 122, 35, 100, 28, 0);
  SendMessageA(slider, TBM_SETRANGE, FALSE, MAKELPARAM(0, 255));
  SendMessageA(slider, TBM_SETPAGESIZE, 0, 10);
  SendMessageA(slider, TBM_SETSEL, FALSE, MAKELPARAM(0, 255));
  SendMessageA(slider, TBM_SETPOS, TRUE, percentToSlider(percent));
  percentField = addField("", 222, 39, 32, 18);
  showPercent();

  cacheField = addField(std::to_string(settings.cacheLevel).c_str(), 130, 65, 30, 18);
  cacheArrows = addArrows(171, 64);

  GLint maximum = 0;  // stays 0 without a GL context: nothing is offered
  glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maximum);
  sizes = textureSizeChoices(maximum);
  sizeList = addDropList(130, 90, 85, 120);
  for (int32_t size : sizes) {
    const std::string entry = std::to_string(size) + " px";
    const LRESULT index = SendMessageA(sizeList, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
    if (size == settings.textureSize) SendMessageA(sizeList, CB_SETCURSEL, index, 0);
  }
  smoothingBox = addCheckBox("smoothing", 240, 93, width - 246, 1, settings.smoothing);  // inside the page

  extensionsLink = addNotifyingLink(texts->text("ogl_ext").c_str(), 0, 6, height - 20, 138,
                                    texts->text("ogl_ext_tip").c_str());
}

GraphicsPage::~GraphicsPage() = default;

void GraphicsPage::apply() {
  const LRESULT depth = SendMessageA(depthList, CB_GETCURSEL, 0, 0);
  if (depth >= 0 && depth < 3) settings.bits = colourDepths[depth];
  settings.opacity = static_cast<uint8_t>(percent);
  settings.cacheLevel = fieldNumber(cacheField);
  const LRESULT size = SendMessageA(sizeList, CB_GETCURSEL, 0, 0);
  if (size >= 0 && size < static_cast<LRESULT>(sizes.size())) settings.textureSize = sizes[size];
  settings.smoothing = isTicked(smoothingBox);
}

LRESULT GraphicsPage::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_HSCROLL:
      // Line, page, thumb and end-of-track codes; not TB_TOP and TB_BOTTOM.
      if (reinterpret_cast<HWND>(lParam) == slider && LOWORD(wParam) < 9) {
        percent = sliderToPercent(static_cast<int32_t>(SendMessageA(slider, TBM_GETPOS, 0, 0)));
        showPercent();
      }
      return 0;
    case WM_VSCROLL:
      if (reinterpret_cast<HWND>(lParam) == cacheArrows &&
          (LOWORD(wParam) == SB_LINEUP || LOWORD(wParam) == SB_LINEDOWN))
        setFieldNumber(cacheField, stepCacheLevel(fieldNumber(cacheField), LOWORD(wParam) == SB_LINEUP));
      return 0;
    case MSG_LINK_CLICKED:
      writeExtensionsLog();
      return 0;
  }
  return ConfigPage::handleMessage(message, wParam, lParam);
}

bool GraphicsPage::writeExtensionsLog() {
  makeFolder("./logs");  // the log's folder may not exist yet
  FILE* file = openFile("./logs/extensions.txt", "w");
  if (!file) return false;
  const std::string report = extensionsReport(glText(GL_RENDERER), glText(GL_VENDOR),
                                              glText(GL_VERSION), glText(GL_EXTENSIONS));
  const bool written = std::fputs(report.c_str(), file) >= 0;
  if (std::fclose(file) != 0 || !written) return false;
  openDocument((currentFolder() + "\\logs\\extensions.txt").c_str());
  return true;
}

void GraphicsPage::showPercent() {
  char text[16];
  std::snprintf(text, sizeof text, "%d%%", percent);
  SetWindowTextA(percentField, text);
}

void GraphicsPage::paint(HDC dc) {
  drawPageText(dc, 6, 12, "color_depth");
  drawPageText(dc, 6, 40, "win_transparency");
  drawPageText(dc, 6, 67, "cache_level");
  drawPageText(dc, 6, 95, "tex_size");
}
