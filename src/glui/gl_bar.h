#pragma once
// A translucent strip inside the scene that groups buttons and fades in while the mouse is over
// it or one of its buttons.
#include <cstdint>
#include <vector>

class GlButton;

class GlBar {
public:
  // A bar drawn with `fillList` (its shape) and `edgeList` (its outline); it owns both lists and
  // deletes them (once, if they are the same list) when destroyed.
  GlBar(uint32_t pickName, uint32_t fillList, uint32_t edgeList);
  ~GlBar();
  GlBar(const GlBar&) = delete;
  GlBar& operator=(const GlBar&) = delete;

  // Resets the model-view matrix, moves to `position` and draws the fill (textured when a
  // texture is set) and the outline under the bar's pick name, then its buttons just in front,
  // each button's offset added to the previous one's.
  void draw();
  // Loads a PNG picture file as the fill's texture (replacing one set before); a picture that
  // cannot be loaded leaves the bar untextured.
  void setTexture(const char* path);

  std::vector<GlButton*> buttons;  // not owned: the buttons belong to the panel's list
  bool shown = false;
  uint32_t pickName;
  float minAlpha = 0.05f;
  float maxAlpha = 0.35f;
  float alpha = 0.05f;
  float position[3] = {0.0f, 0.0f, 0.0f};
  uint32_t fillList;
  uint32_t edgeList;
  uint32_t texture = 0;  // 0: none
};
