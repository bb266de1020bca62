#pragma once
// The navigation bar of a photo show: seven buttons at the right edge of the scene. The show
// owns one NavigationBar, declared after its panel, and runs the commands itself; the bar
// knows the buttons' pick names, pictures and tooltip texts.
#include <windows.h>

#include <cstdint>
#include <memory>

class GlButton;
class GlPanel;
class Language;

// Roles of the navigation buttons, from the top of the bar.
enum NavigationButton {
  navigationRotateLeft,
  navigationRotateRight,
  navigationFirst,
  navigationLast,
  navigationPause,
  navigationZoomIn,
  navigationZoomOut,
  navigationButtonCount
};

class NavigationBar {
public:
  NavigationBar();
  ~NavigationBar();
  NavigationBar(const NavigationBar&) = delete;
  NavigationBar& operator=(const NavigationBar&) = delete;

  // Adds the bar and its seven buttons to `panel`, tooltips shown in `window` with the texts of
  // the language section "Navigation" of "Scene". Needs the GL context current.
  void build(GlPanel& panel, HWND window);

  // The NavigationButton named `pickName`, or -1 when it is not one of this bar's buttons.
  int roleOf(int64_t pickName) const;
  // Puts the play/pause button in step with the slideshow: the pause picture and text while
  // playing, the play picture and text while paused.
  void showPlaying(bool playing);

  uint32_t pickNames[navigationButtonCount] = {};  // pick names by NavigationButton
  GlButton* buttons[navigationButtonCount] = {};        // owned by the panel
  std::unique_ptr<Language> texts;
};
