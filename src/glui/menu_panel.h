#pragma once
// The menu panel: one bar at the top of the scene with the buttons open photos, configuration,
// exit and About. It lives for the whole run; a click leaves a command for the next frame.
#include <windows.h>

#include <cstdint>
#include <memory>

#include "glui/gl_panel.h"

class Language;

// Commands the menu panel leaves in `pending`.
enum MenuCommand { menuOpen = 0, menuConfig = 1, menuExit = 2, menuAbout = 3, menuNothing = 4 };

class MenuPanel : public GlPanel {
public:
  // Builds the bar and its four buttons with their pictures and tooltips (texts from the
  // language file's "Menu" section; missing texts are empty). `window` is where the tooltips
  // show. Needs the GL context current.
  explicit MenuPanel(HWND window);
  ~MenuPanel() override;

  // The panel with blending on.
  void draw();
  // Picks at client pixel (x, y): a click on the bar itself (name 0) gives no command, any
  // other click sets `pending` to the button's command, or menuNothing when it hit none of
  // them. Returns the picked name, -1 for none.
  int64_t click(int x, int y);

  uint32_t pickNames[4] = {};  // pick names of open, config, exit, about
  int32_t pending = -1;        // a MenuCommand, -1 for none; the frame takes and resets it
  std::unique_ptr<Language> texts;
};
