#pragma once
// A bar holding a column of picture buttons, the shape of the navigation and music bars.
#include <windows.h>

#include <cstdint>

class GlButton;
class GlPanel;
class Language;

// One button of a column: the language key of its tooltip and its pictures; the second picture,
// when there is one, shows the button's other state.
struct ColumnButton {
  const char* key;
  const char* pictures[2];
};

// Where the column stands and how its buttons glow.
struct ColumnLook {
  float left;        // the bar's left edge; the bar is 0.12 wide, from y 0.4 down to -0.35
  float maxAlpha;    // the buttons' alpha while hovered
  float startAlpha;  // the buttons' alpha before the first fade step
  float hoverGrey;   // the buttons' colour while hovered, as a grey level
};

// Adds the bar (at depth -2.5) and `count` buttons stacked from its top to `panel`, tooltips
// shown in `window` with the texts of `texts`. Fills `pickNames` and `buttons` (owned by the
// panel) with `count` entries each. Needs the GL context current.
void addButtonColumn(GlPanel& panel, HWND window, Language& texts, const ColumnLook& look,
                     const ColumnButton* specs, int count, uint32_t* pickNames,
                     GlButton** buttons);
