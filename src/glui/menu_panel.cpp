#include "glui/menu_panel.h"

#include <GL/gl.h>

#include "glui/quad_list.h"
#include "structure/language.h"

namespace {
const struct {
  const char* key;
  const char* picture;
} menuButtons[4] = {{"open", "./data/images/folder.png"},
                    {"config", "./data/images/config.png"},
                    {"exit", "./data/images/exit.png"},
                    {"about", "./data/images/about.png"}};
}  // namespace

MenuPanel::MenuPanel(HWND window) {
  texts = openLanguage({"Menu"});

  const float barCorners[4][2] = {{0.5f, -0.4f}, {-0.5f, -0.4f}, {-0.5f, -0.55f}, {0.5f, -0.55f}};
  GlBar* bar = addBar(compileQuadList(GL_QUADS, barCorners, false), compileQuadList(GL_LINES, barCorners, false));
  bar->position[0] = 0.0f;
  bar->position[1] = 1.0f;
  bar->position[2] = -2.5f;

  for (int i = 0; i < 4; ++i) {
    const float x = 0.25f * static_cast<float>(i);
    const float corners[4][2] = {
        {x - 0.45f, -0.425f}, {x - 0.335f, -0.425f}, {x - 0.335f, -0.532f}, {x - 0.45f, -0.532f}};
    GlButton* button = addButton(compileQuadList(GL_QUADS, corners, true), bar);
    pickNames[i] = button->pickName;
    button->setTooltip(window, texts->text(menuButtons[i].key).c_str());
    button->setImage(menuButtons[i].picture, 0);
  }
}

MenuPanel::~MenuPanel() { texts.reset(); }

void MenuPanel::draw() {
  glEnable(GL_BLEND);
  GlPanel::draw();
  glDisable(GL_BLEND);
}

int64_t MenuPanel::click(int x, int y) {
  const int64_t name = pick(x, y);
  if (name == 0) return name;  // the menu bar between the buttons
  pending = menuNothing;
  for (int i = 0; i < 4; ++i) {
    if (pickNames[i] == name) {
      pending = i;
      break;
    }
  }
  return name;
}
