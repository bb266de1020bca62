#include "glui/menu_panel.h"

#include <GL/gl.h>

#include "structure/language.h"

namespace {
// A display list drawing the quad through four corners (x, y) at z = 1, in `mode`, with the
// texture coordinates (0, 1), (1, 1), (1, 0), (0, 0) when `textured`.
GLuint quadList(GLenum mode, const float (&corners)[4][2], bool textured) {
  static const float texels[4][2] = {{0, 1}, {1, 1}, {1, 0}, {0, 0}};
  const GLuint list = glGenLists(1);
  if (!list) return 0;
  glNewList(list, GL_COMPILE);
  glBegin(mode);
  for (int i = 0; i < 4; ++i) {
    if (textured) glTexCoord2f(texels[i][0], texels[i][1]);
    glVertex3f(corners[i][0], corners[i][1], 1.0f);
  }
  glEnd();
  glEndList();
  return list;
}

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
  GlBar* bar = addBar(quadList(GL_QUADS, barCorners, false), quadList(GL_LINES, barCorners, false));
  bar->position[0] = 0.0f;
  bar->position[1] = 1.0f;
  bar->position[2] = -2.5f;

  for (int i = 0; i < 4; ++i) {
    const float x = 0.25f * static_cast<float>(i);
    const float corners[4][2] = {
        {x - 0.45f, -0.425f}, {x - 0.335f, -0.425f}, {x - 0.335f, -0.532f}, {x - 0.45f, -0.532f}};
    GlButton* button = addButton(quadList(GL_QUADS, corners, true), bar);
    commandNames[i] = button->pickName;
    button->setTooltip(window, texts->text(menuButtons[i].key).c_str());
    button->setImage(menuButtons[i].picture, 2, 0);
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
    if (commandNames[i] == name) {
      pending = i;
      break;
    }
  }
  return name;
}
