#include "glui/navigation_bar.h"

#include "glui/button_column.h"
#include "glui/gl_button.h"
#include "structure/language.h"

namespace {
const ColumnButton navigationButtons[navigationButtonCount] = {
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

  addButtonColumn(panel, window, *texts, ColumnLook{0.65f, 0.7f, 0.2f, 0.5f}, navigationButtons,
                  navigationButtonCount, pickNames, buttons);
}

int NavigationBar::roleOf(int64_t pickName) const {
  for (int i = 0; i < navigationButtonCount; ++i)
    if (buttons[i] && pickNames[i] == pickName) return i;
  return -1;
}

void NavigationBar::showPlaying(bool playing) {
  GlButton* button = buttons[navigationPause];
  if (!button) return;
  button->showState(playing ? 0 : 1, texts ? texts->text(playing ? "pause" : "play") : "");
}
