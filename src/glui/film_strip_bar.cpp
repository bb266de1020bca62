#include "glui/film_strip_bar.h"

#include <GL/gl.h>

#include "glui/gl_panel.h"
#include "glui/quad_list.h"
#include "platform/ansi_text.h"
#include "photos/texture_image.h"
#include "structure/language.h"

namespace {
// The blank picture in the place of a photo's thumbnail, textured on its own, so the button
// needs no image of its own.
uint32_t compileBlankList(uint32_t texture) {
  const GLuint list = glGenLists(1);
  if (!list) return 0;
  glNewList(list, GL_COMPILE);
  if (texture) glEnable(GL_TEXTURE_2D);
  drawTexturedSquare(texture, thumbnailSquare(1.0f, 1.0f));
  if (texture) glDisable(GL_TEXTURE_2D);
  glEndList();
  return list;
}

uint32_t compileTriangle(const float (&corners)[3][2]) {
  const GLuint list = glGenLists(1);
  if (!list) return 0;
  glNewList(list, GL_COMPILE);
  glBegin(GL_TRIANGLES);
  for (const auto& corner : corners) glVertex3f(corner[0], corner[1], 1.01f);
  glEnd();
  glEndList();
  return list;
}
}  // namespace

FilmStripBar::FilmStripBar() = default;

FilmStripBar::~FilmStripBar() {
  returnLoans();
  texts.reset();
  if (blankList) glDeleteLists(blankList, 1);
  if (blankTexture) glDeleteTextures(1, &blankTexture);
}

void FilmStripBar::build(GlPanel& panel, HWND window) {
  texts = openLanguage({"Scene", "Negativ"});

  const float fill[4][2] = {{0.5f, -0.4f}, {-0.5f, -0.4f}, {-0.5f, -0.55f}, {0.5f, -0.55f}};
  const float edge[4][2] = {{0.5f, -0.399f}, {-0.5f, -0.399f}, {-0.5f, -0.55f}, {0.5f, -0.55f}};
  GlBar* bar = panel.addBar(compileQuadList(GL_QUADS, fill, true),
                            compileQuadList(GL_LINES, edge, false));
  bar->setTexture("./data/images/negativ.png");
  bar->minAlpha = 0.15f;
  bar->maxAlpha = 0.75f;
  bar->alpha = 0.15f;
  bar->position[2] = -2.5f;

  blankTexture = loadTexture("./data/images/blankphoto.png");
  blankList = compileBlankList(blankTexture);

  const float left[3][2] = {{-0.485f, -0.47f}, {-0.455f, -0.44f}, {-0.455f, -0.5f}};
  const float right[3][2] = {{-0.305f, -0.47f}, {-0.335f, -0.44f}, {-0.335f, -0.5f}};
  static const float offsets[stripButtonCount] = {0.0f, 0.08f, 0.23f, 0.23f, 0.23f, 0.015f};
  for (int i = 0; i < stripButtonCount; ++i) {
    GlButton* button = panel.addButton(0, bar);
    button->offset[0] = offsets[i];
    pickNames[i] = button->pickName;
    if (i == stripPrevious || i == stripNext) {
      button->ownList = compileTriangle(i == stripPrevious ? left : right);
      button->minAlpha = i == stripPrevious ? 0.2f : 0.1f;
      button->maxAlpha = 0.7f;
      button->setTooltip(window, texts->text(i == stripPrevious ? "prev" : "next").c_str());
    } else {
      button->minAlpha = 0.15f;
      button->maxAlpha = 0.9f;
      // A tooltip without text draws nothing until a photo name is shown on it.
      button->tooltip = std::make_unique<GlTooltip>(window, nullptr);
      previews[i - stripThumbnail1] = button;
    }
    button->alpha = button->minAlpha;
  }
}

int FilmStripBar::roleOf(int64_t pickName) const {
  if (!previews[0]) return -1;
  for (int i = 0; i < stripButtonCount; ++i)
    if (pickNames[i] == pickName) return i;
  return -1;
}

void FilmStripBar::showPhoto(uint32_t k, uint32_t thumbList, uint32_t texture, const char* name,
                             bool showName) {
  GlButton* button = k < 4 ? previews[k] : nullptr;
  if (!button) return;
  button->ownList = thumbList;
  button->images[0] = texture;
  if (!showName || !button->tooltip) return;
  if (name != tooltipSource[k] || button->tooltip->text != (name ? tooltipText[k].c_str() : nullptr)) {
    tooltipSource[k] = name;
    tooltipText[k] = name ? cp1250FromUtf8(name) : std::string();
    button->tooltip->setText(name ? tooltipText[k].c_str() : nullptr);
  }
}

void FilmStripBar::showBlank(uint32_t k) {
  GlButton* button = k < 4 ? previews[k] : nullptr;
  if (!button) return;
  button->ownList = blankList;
  button->images[0] = 0;  // the blank list binds its own texture
  if (button->tooltip && button->tooltip->text) button->tooltip->setText(nullptr);
}

void FilmStripBar::returnLoans() {
  for (GlButton* button : previews) {
    if (!button) continue;
    button->ownList = 0;
    button->images[0] = 0;
  }
}
