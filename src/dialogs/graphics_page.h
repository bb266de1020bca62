#pragma once
// The configuration dialog's graphics page: colour depth, window transparency, the number of
// photos kept loaded, the largest texture size, smoothing, and the link that writes the
// OpenGL extensions log.
#include <vector>

#include "dialogs/config_page.h"

class LinkWindow;

class GraphicsPage : public ConfigPage {
public:
  // Asks the current GL context for its largest texture size (no context: no sizes offered).
  explicit GraphicsPage(const DialogFrame& dialog);
  ~GraphicsPage() override;

  // "bits", "opacity", "cache_level", "texture_size" and "smoothing" from the controls; a
  // list without a selection keeps its setting.
  void apply() override;
  // The slider's notifications set the percentage, the arrows step the cache level, the link
  // writes the extensions log; the rest is ConfigPage's.
  LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  // Writes ./logs/extensions.txt (creating the logs folder when missing) from the current GL
  // context and opens it with the shell. False when the file cannot be written.
  static bool writeExtensionsLog();

  HWND depthList = nullptr;
  HWND slider = nullptr;
  HWND percentField = nullptr;
  HWND cacheField = nullptr;
  HWND cacheArrows = nullptr;
  HWND sizeList = nullptr;
  HWND smoothingBox = nullptr;
  LinkWindow* extensionsLink = nullptr;  // a child window: deleted with the page
  int percent = 0;                       // the transparency the slider last gave
  std::vector<int32_t> sizes;            // the texture size list's entries, in order

protected:
  void paint(HDC dc) override;

private:
  void showPercent();
};
