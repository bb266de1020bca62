#include "glui/gl_panel.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>

#include "glui/pick_hits.h"

std::vector<std::unique_ptr<GlBar>> allBars;
std::vector<std::unique_ptr<GlButton>> allButtons;
uint32_t nextPickName = 0;
bool panelsHidden = false;

namespace {
HCURSOR sharedCursor(LPCSTR which) {
  return static_cast<HCURSOR>(LoadImageA(nullptr, which, IMAGE_CURSOR, 0, 0, LR_SHARED | LR_DEFAULTSIZE));
}
}  // namespace

GlPanel::GlPanel() {
  handCursor = sharedCursor(reinterpret_cast<LPCSTR>(IDC_HAND));
  arrowCursor = sharedCursor(reinterpret_cast<LPCSTR>(IDC_ARROW));
  firstButton = endButton = static_cast<uint32_t>(allButtons.size());
  firstBar = endBar = static_cast<uint32_t>(allBars.size());
}

GlPanel::~GlPanel() {
  // The cursors are shared system cursors, which must not be destroyed.
  const uint32_t barEnd = std::min<uint32_t>(endBar, static_cast<uint32_t>(allBars.size()));
  if (firstBar < barEnd) {
    nextPickName -= barEnd - firstBar;
    allBars.erase(allBars.begin() + firstBar, allBars.begin() + barEnd);
  }
  const uint32_t buttonEnd = std::min<uint32_t>(endButton, static_cast<uint32_t>(allButtons.size()));
  if (firstButton < buttonEnd) {
    nextPickName -= buttonEnd - firstButton;
    allButtons.erase(allButtons.begin() + firstButton, allButtons.begin() + buttonEnd);
  }
}

GlBar* GlPanel::addBar(uint32_t fillList, uint32_t edgeList) {
  allBars.push_back(std::make_unique<GlBar>(nextPickName++, fillList, edgeList));
  ++endBar;
  return allBars.back().get();
}

GlButton* GlPanel::addButton(uint32_t shapeList, GlBar* bar) {
  allButtons.push_back(std::make_unique<GlButton>(nextPickName++, shapeList, bar));
  ++endButton;
  GlButton* button = allButtons.back().get();
  if (bar) bar->buttons.push_back(button);
  return button;
}

void GlPanel::draw() {
  if (panelsHidden) return;
  for (uint32_t i = firstBar; i < endBar; ++i) allBars[i]->draw();
  for (uint32_t i = firstButton; i < endButton; ++i) {
    GlButton& button = *allButtons[i];
    if (button.hovered && button.tooltip) button.tooltip->draw();
  }
}

void GlPanel::drawForPick() {
  if (panelsHidden) return;
  for (uint32_t i = firstBar; i < endBar; ++i) allBars[i]->draw();
}

namespace {
// One fade step of `alpha` towards `limit`. The steps are not exact in binary, so a value
// within a hair of the limit counts as there and the last step lands on the limit: a button
// fades in over 10 frames and out over 20, and never leaves its range.
constexpr float fadeSlack = 1e-4f;
void fadeUp(float& alpha, float limit, float step) {
  if (alpha < limit - fadeSlack) alpha = std::min(alpha + step, limit);
}
void fadeDown(float& alpha, float limit, float step) {
  if (alpha > limit + fadeSlack) alpha = std::max(alpha - step, limit);
}
}  // namespace

void GlPanel::animate() {
  if (panelsHidden) return;
  for (uint32_t i = firstBar; i < endBar; ++i) {
    GlBar& bar = *allBars[i];
    if (bar.shown)
      fadeUp(bar.alpha, bar.maxAlpha, 0.02f);
    else
      fadeDown(bar.alpha, bar.minAlpha, 0.02f);
  }
  for (uint32_t i = firstButton; i < endButton; ++i) {
    GlButton& button = *allButtons[i];
    if (button.hovered)
      fadeUp(button.alpha, button.maxAlpha, 0.04f);
    else
      fadeDown(button.alpha, button.minAlpha, 0.02f);
    if (button.flashing) {
      if (button.flashFrame <= 3) {
        ++button.flashFrame;
      } else {
        button.flashFrame = 0;
        button.flashing = false;
      }
    }
  }
}

int64_t GlPanel::selectionPass(int x, int y) {
  if (panelsHidden) return -1;
  GLint viewport[4] = {};
  glGetIntegerv(GL_VIEWPORT, viewport);
  GLuint buffer[512] = {};
  glSelectBuffer(512, buffer);
  glRenderMode(GL_SELECT);
  glInitNames();
  glPushName(0);

  glMatrixMode(GL_PROJECTION);
  glPushMatrix();
  glLoadIdentity();
  gluPickMatrix(x, viewport[3] - y, 1.0, 1.0, viewport);
  const GLint height = viewport[3] - viewport[1];
  gluPerspective(45.0, static_cast<double>(viewport[2] - viewport[0]) / (height > 0 ? height : 1), 0.1f,
                 100.0);
  glMatrixMode(GL_MODELVIEW);
  drawForPick();
  glMatrixMode(GL_PROJECTION);
  glPopMatrix();
  glMatrixMode(GL_MODELVIEW);

  const GLint hits = glRenderMode(GL_RENDER);
  return nearestHit(buffer, 512, hits);
}

void GlPanel::setCursor(HCURSOR cursor) {
  if (GetCursor() != cursor) SetCursor(cursor);
}

void GlPanel::hover(int x, int y) {
  const int64_t name = selectionPass(x, y);
  if (panelsHidden) return;
  if (name < 0) {
    for (uint32_t i = firstButton; i < endButton; ++i) {
      GlButton& button = *allButtons[i];
      if (button.hovered) {
        button.hovered = false;
        setCursor(arrowCursor);
      }
    }
    for (uint32_t i = firstBar; i < endBar; ++i) allBars[i]->shown = false;
    return;
  }
  for (uint32_t i = firstBar; i < endBar; ++i) {
    GlBar& bar = *allBars[i];
    if (bar.pickName == name && !bar.shown) {
      bar.shown = true;
      break;
    }
  }
  // The cursor follows the button under the mouse; it is set once, after all buttons have been
  // updated, so leaving one button for another never ends on the arrow.
  bool onButton = false, leftButton = false;
  for (uint32_t i = firstButton; i < endButton; ++i) {
    GlButton& button = *allButtons[i];
    if (button.pickName == name) {
      if (!button.hovered && button.bar) button.bar->shown = true;
      button.hovered = true;
      onButton = true;
    } else if (button.hovered) {
      button.hovered = false;
      leftButton = true;
    }
  }
  if (onButton)
    setCursor(handCursor);
  else if (leftButton)
    setCursor(arrowCursor);
}

int64_t GlPanel::pick(int x, int y) {
  const int64_t name = selectionPass(x, y);
  if (name < 0) return -1;
  for (uint32_t i = firstButton; i < endButton; ++i) {
    GlButton& button = *allButtons[i];
    if (button.pickName == name && !button.flashing) button.flashing = true;
  }
  return name;
}
