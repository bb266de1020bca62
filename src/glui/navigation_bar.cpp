#include "glui/navigation_bar.h"

#include <GL/gl.h>

#include "glui/gl_panel.h"
#include "glui/quad_list.h"
#include "structure/language.h"

namespace {
const struct {
  const char* key;
  const char* pictures[2];
} navigationButtons[navigationButtonCount] = {
    {"flip_m", {"./data/images/rotate_left.png", nullptr}},
    {"flip_p", {"./data/images/rotate_right.png", nullptr}},
    {"first", {"./data/images/begin.png", nullptr}},
    {"last", {"./data/images/end.png", nullptr}},
    {"pause", {"./data/images/pause.png", "./data/images/play.png"}},
    {"zoomin", {"./data/images/zoomin.png", nullptr}},
    {"zoomout", {"./data/images/zoomout.png", nullptr}},
};
}  // namespace

NavigationBar::NavigationBar() = default;
NavigationBar::~NavigationBar() = default;

void NavigationBar::build(GlPanel& panel, HWND window) {
  texts = openLanguage({"Scene", "Navigation"});

  const float barCorners[4][2] = {{0.65f, 0.4f}, {0.77f, 0.4f}, {0.77f, -0.35f}, {0.65f, -0.35f}};
  GlBar* bar = panel.addBar(compileQuadList(GL_QUADS, barCorners, false),
                            compileQuadList(GL_LINES, barCorners, false));
  bar->position[2] = -2.5f;

  for (int i = 0; i < navigationButtonCount; ++i) {
    const float y = -0.105f * static_cast<float>(i);
    const float corners[4][2] = {
        {0.668f, y + 0.372f}, {0.75f, y + 0.372f}, {0.75f, y + 0.288f}, {0.668f, y + 0.288f}};
    GlButton* button = panel.addButton(compileQuadList(GL_QUADS, corners, true), bar);
    button->minAlpha = 0.2f;
    button->maxAlpha = 0.7f;
    button->alpha = 0.2f;
    button->hoverColour[0] = button->hoverColour[1] = button->hoverColour[2] = 0.5f;
    button->setTooltip(window, texts->text(navigationButtons[i].key).c_str());
    for (int slot = 0; slot < 2; ++slot)
      if (navigationButtons[i].pictures[slot])
        button->setImage(navigationButtons[i].pictures[slot], slot);
    navigationIds[i] = button->pickName;
    buttons[i] = button;
  }
}

int NavigationBar::roleOf(int64_t pickName) const {
  for (int i = 0; i < navigationButtonCount; ++i)
    if (buttons[i] && navigationIds[i] == pickName) return i;
  return -1;
}

void NavigationBar::showPlaying(bool playing) {
  GlButton* button = buttons[navigationPause];
  if (!button) return;
  button->imageIndex = playing ? 0 : 1;
  if (!button->tooltip) return;
  button->tooltipText = texts ? texts->text(playing ? "pause" : "play") : std::string();
  button->tooltip->setText(button->tooltipText.c_str());
}
