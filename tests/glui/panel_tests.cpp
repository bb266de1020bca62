// Panels in a GL context: pick names and their reuse, picking through selection mode, hover,
// fades, flashes and hidden panels. How they look is checked on the running program
// (menu_panel_tests.cpp).
#include <gtest/gtest.h>

#include <windows.h>
#include <GL/gl.h>
#include <GL/glu.h>

#include <memory>

#include "glui/gl_panel.h"
#include "glui/gl_test_context.h"
#include "scene_point.h"

namespace {
constexpr int width = 640, height = 480;

// A rectangle at z = 1 as a display list, filled or as its top and bottom edges.
GLuint rectangle(float left, float bottom, float right, float top, GLenum mode = GL_QUADS) {
  const GLuint list = glGenLists(1);
  glNewList(list, GL_COMPILE);
  glBegin(mode);
  glTexCoord2f(0, 1);
  glVertex3f(left, top, 1.0f);
  glTexCoord2f(1, 1);
  glVertex3f(right, top, 1.0f);
  glTexCoord2f(1, 0);
  glVertex3f(right, bottom, 1.0f);
  glTexCoord2f(0, 0);
  glVertex3f(left, bottom, 1.0f);
  glEnd();
  glEndList();
  return list;
}

class PanelTest : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(gl.ready());
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45.0, static_cast<double>(width) / height, 0.1f, 100.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    panelsHidden = false;
  }
  void TearDown() override { panelsHidden = false; }

  // A bar across the middle of the view (-0.5 .. 0.5 by -0.2 .. 0.2 at z = -1.5), with two
  // buttons at the same place (-0.1 .. 0.1 by -0.1 .. 0.1), A drawn first.
  struct TwoButtons {
    std::unique_ptr<GlPanel> panel = std::make_unique<GlPanel>();
    GlBar* bar;
    GlButton* a;
    GlButton* b;
    TwoButtons() {
      bar = panel->addBar(rectangle(-0.5f, -0.2f, 0.5f, 0.2f), rectangle(-0.5f, -0.2f, 0.5f, 0.2f, GL_LINES));
      bar->position[2] = -2.5f;
      a = panel->addButton(rectangle(-0.1f, -0.1f, 0.1f, 0.1f), bar);
      b = panel->addButton(rectangle(-0.1f, -0.1f, 0.1f, 0.1f), bar);
    }
  };
  Pixel centre() const { return scenePixel(0.0, 0.0, -1.49, width, height); }
  Pixel onBarOnly() const { return scenePixel(0.3, 0.0, -1.5, width, height); }
  Pixel nowhere() const { return scenePixel(0.0, 0.35, -1.5, width, height); }

  GlTestContext gl{width, height};
};
}  // namespace

TEST_F(PanelTest, OverlappingButtonsTheNearestWinsAndTheFirstDrawnOnATie) {
  TwoButtons scene;
  const Pixel p = centre();
  EXPECT_EQ(scene.panel->pick(p.x, p.y), scene.a->pickName);
  EXPECT_TRUE(scene.a->flashing);
  EXPECT_FALSE(scene.b->flashing);

  scene.b->offset[2] = 0.05f;  // B in front of A
  EXPECT_EQ(scene.panel->pick(p.x, p.y), scene.b->pickName);
  scene.b->offset[2] = -0.005f;  // B behind A, still in front of the bar
  EXPECT_EQ(scene.panel->pick(p.x, p.y), scene.a->pickName);

  const Pixel bar = onBarOnly(), none = nowhere();
  EXPECT_EQ(scene.panel->pick(bar.x, bar.y), scene.bar->pickName);
  EXPECT_EQ(scene.panel->pick(none.x, none.y), -1);

  // The flash lasts five frames and a running flash is not restarted.
  scene.b->flashing = false;
  scene.a->flashFrame = 0;
  for (int frame = 1; frame <= 5; ++frame) {
    EXPECT_TRUE(scene.a->flashing) << frame;
    scene.panel->animate();
    if (frame == 2) {
      scene.panel->pick(p.x, p.y);
      EXPECT_EQ(scene.a->flashFrame, 2u);
    }
  }
  EXPECT_FALSE(scene.a->flashing);
}

TEST_F(PanelTest, PickNamesAreSharedInCreationOrderAndGivenBackAtTeardown) {
  const uint32_t base = nextPickName;
  const size_t bars = allBars.size(), buttons = allButtons.size();
  TwoButtons first;
  EXPECT_EQ(first.b->pickName, base + 2);
  // A second panel with a bar and button above the first's; each panel picks only its own.
  const Pixel top = scenePixel(0.0, 0.3, -1.49, width, height);
  auto upperPanel = [&] {
    auto panel = std::make_unique<GlPanel>();
    GlBar* bar = panel->addBar(rectangle(-0.5f, 0.25f, 0.5f, 0.35f), rectangle(-0.5f, 0.25f, 0.5f, 0.35f, GL_LINES));
    bar->position[2] = -2.5f;
    GlButton* button = panel->addButton(rectangle(-0.1f, 0.27f, 0.1f, 0.33f), bar);
    EXPECT_EQ(bar->pickName, base + 3);
    EXPECT_EQ(button->pickName, base + 4);
    EXPECT_EQ(panel->findButton(base + 4), button);
    EXPECT_EQ(panel->findButton(base + 1), nullptr);  // another panel's button
    EXPECT_EQ(panel->pick(top.x, top.y), base + 4);
    return panel;
  };
  auto second = upperPanel();
  EXPECT_EQ(first.panel->pick(top.x, top.y), -1);
  EXPECT_EQ(first.panel->findButton(base + 2), first.b);
  second.reset();
  EXPECT_EQ(nextPickName, base + 3);
  auto third = upperPanel();  // the names given back are taken again
  const Pixel p = centre();
  EXPECT_EQ(first.panel->pick(p.x, p.y), first.a->pickName);

  third.reset();
  first.panel.reset();
  EXPECT_EQ(nextPickName, base);
  EXPECT_EQ(allBars.size(), bars);
  EXPECT_EQ(allButtons.size(), buttons);
}

TEST_F(PanelTest, HoverShowsTheBarAndSetsTheCursorAndHiddenPanelsIgnoreTheMouse) {
  TwoButtons scene;
  HCURSOR hand = scene.panel->handCursor, arrow = scene.panel->arrowCursor;
  const Pixel p = centre(), bar = onBarOnly(), none = nowhere();
  scene.panel->hover(p.x, p.y);
  EXPECT_TRUE(scene.a->hovered && !scene.b->hovered && scene.bar->shown);
  EXPECT_EQ(GetCursor(), hand);

  // Hidden: nothing changes, nothing is picked, nothing fades.
  panelsHidden = true;
  scene.panel->hover(none.x, none.y);
  EXPECT_TRUE(scene.a->hovered && scene.bar->shown);
  EXPECT_EQ(GetCursor(), hand);
  EXPECT_EQ(scene.panel->pick(p.x, p.y), -1);
  EXPECT_FALSE(scene.a->flashing);
  const float alpha = scene.a->alpha;
  scene.panel->animate();
  EXPECT_EQ(scene.a->alpha, alpha);

  panelsHidden = false;
  scene.panel->hover(bar.x, bar.y);  // from the button back to the bar
  EXPECT_TRUE(!scene.a->hovered && scene.bar->shown);
  EXPECT_EQ(GetCursor(), arrow);
  scene.panel->hover(p.x, p.y);
  scene.panel->hover(none.x, none.y);
  EXPECT_TRUE(!scene.a->hovered && !scene.bar->shown);
  EXPECT_EQ(GetCursor(), arrow);
}
