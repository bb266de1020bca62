#include "glui/button_column.h"

#include <GL/gl.h>

#include "glui/gl_panel.h"
#include "glui/quad_list.h"
#include "structure/language.h"

void addButtonColumn(GlPanel& panel, HWND window, Language& texts, const ColumnLook& look,
                     const ColumnButton* specs, int count, uint32_t* pickNames,
                     GlButton** buttons) {
  const float left = look.left, right = look.left + 0.12f;
  const float barCorners[4][2] = {{left, 0.4f}, {right, 0.4f}, {right, -0.35f}, {left, -0.35f}};
  GlBar* bar = panel.addBar(compileQuadList(GL_QUADS, barCorners, false),
                            compileQuadList(GL_LINES, barCorners, false));
  bar->position[2] = -2.5f;

  const float buttonLeft = left + 0.018f, buttonRight = left + 0.1f;
  for (int i = 0; i < count; ++i) {
    const float y = -0.105f * static_cast<float>(i);
    const float corners[4][2] = {{buttonLeft, y + 0.372f}, {buttonRight, y + 0.372f},
                                 {buttonRight, y + 0.288f}, {buttonLeft, y + 0.288f}};
    GlButton* button = panel.addButton(compileQuadList(GL_QUADS, corners, true), bar);
    button->minAlpha = 0.2f;
    button->maxAlpha = look.maxAlpha;
    button->alpha = look.startAlpha;
    for (float& channel : button->hoverColour) channel = look.hoverGrey;
    button->setTooltip(window, texts.text(specs[i].key).c_str());
    for (int slot = 0; slot < 2; ++slot)
      if (specs[i].pictures[slot]) button->setImage(specs[i].pictures[slot], slot);
    pickNames[i] = button->pickName;
    buttons[i] = button;
  }
}
