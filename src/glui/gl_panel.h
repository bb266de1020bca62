#pragma once
// Panels of in-scene bars and buttons, with fades, hover and picking by OpenGL selection mode.
//
// Every bar and every button of every panel lives in one of two process-wide lists, in creation
// order; a panel is a contiguous range of each. A panel must therefore be filled completely
// before the next one is constructed, and panels are destroyed in the reverse order of their
// construction (the menu panel first in, last out). Main thread only.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "glui/gl_bar.h"
#include "glui/gl_button.h"

extern std::vector<std::unique_ptr<GlBar>> allBars;
extern std::vector<std::unique_ptr<GlButton>> allButtons;
// The pick name of the next bar or button; names are given back when a panel is destroyed.
extern uint32_t nextPickName;
// When true no panel animates, draws or can be picked (the "menu" key toggles it).
extern bool panelsHidden;

class GlPanel {
public:
  // An empty panel at the end of both lists.
  GlPanel();
  // Destroys the panel's bars and buttons, giving their pick names back.
  virtual ~GlPanel();
  GlPanel(const GlPanel&) = delete;
  GlPanel& operator=(const GlPanel&) = delete;

  // A new bar with the next pick name (bar->pickName); the panel owns it through allBars.
  GlBar* addBar(uint32_t fillList, uint32_t edgeList);
  // A new button with the next pick name on `bar`, appended to the bar's buttons.
  GlButton* addButton(uint32_t shapeList, GlBar* bar);

  // Every bar (with its buttons), then the tooltips of the hovered buttons. Nothing while
  // panelsHidden. The caller switches blending on around it.
  void draw();
  // The bars and buttons for a selection pass, without tooltips; nothing while panelsHidden.
  void drawForPick();
  // One fade step: bars by 0.02 towards their limits, buttons up by 0.04 and down by 0.02;
  // flashes run five frames. Nothing while panelsHidden.
  void animate();
  // Hover state and cursor for the mouse at client pixel (x, y), y counted from the top.
  void hover(int x, int y);
  // The pick name of the nearest bar or button under client pixel (x, y), or -1; the picked
  // buttons start their click flash.
  int64_t pick(int x, int y);

  HCURSOR handCursor = nullptr;   // shared system cursors: never destroyed
  HCURSOR arrowCursor = nullptr;
  uint32_t firstButton = 0;
  uint32_t firstBar = 0;
  uint32_t endButton = 0;
  uint32_t endBar = 0;

private:
  // Draws the panel in selection mode around the 1 x 1 pixel at (x, y) and returns the
  // nearest hit's name, or -1 (no hit, no GL context, hidden panels or a buffer overflow).
  int64_t selectionPass(int x, int y);
  void setCursor(HCURSOR cursor);
};
