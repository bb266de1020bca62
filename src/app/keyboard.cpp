// The fixed keyboard shortcuts, polled once per frame from the key flags that WM_KEYDOWN and
// WM_KEYUP keep. A command clears its keys' flags, so a held key repeats only at the
// platform's key-repeat rate.
#include "app/app_commands.h"
#include "app/viewer_app.h"
#include "photos/photo_show.h"

namespace {
struct KeyBinding {
  int key;
  bool withControl;
  bool needsShow;
  int command;  // an AppCommand, or one of the moves below, or 0 for none
};

enum KeyOnlyCommand { moveDown = -1, moveUp = -2, moveLeft = -3, moveRight = -4 };

// In the order the keys are tested.
const KeyBinding keyBindings[] = {
    {VK_RIGHT, false, true, commandNext},
    {VK_LEFT, false, true, commandPrevious},
    {VK_HOME, false, false, commandFirst},
    {VK_END, false, false, commandLast},
    {VK_UP, false, true, commandZoomIn},
    {VK_DOWN, false, true, commandZoomOut},
    {'S', false, true, moveDown},
    {'W', false, true, moveUp},
    {'A', false, true, moveLeft},
    {'D', false, true, moveRight},
    {VK_SPACE, false, true, commandPlayPause},
    {'Q', true, false, commandExit},
    {VK_F1, false, false, commandHelp},
    {VK_RETURN, true, false, commandFullScreen},
    {'O', true, false, commandOpen},
    {'N', true, false, commandConfig},
    {'M', true, false, commandMenu},
    {'L', true, false, commandList},
    {VK_ESCAPE, false, false, commandLeaveFullScreen},
    {'I', false, false, commandInfo},
};

void movePhoto(PhotoShow& show, int move) {
  switch (move) {
    case moveDown: if (show.offsetY < 1.0f) show.offsetY += 0.1f; break;
    case moveUp: if (show.offsetY > -1.0f) show.offsetY -= 0.1f; break;
    case moveLeft: if (show.offsetX < 1.0f) show.offsetX += 0.1f; break;
    case moveRight: if (show.offsetX > -1.0f) show.offsetX -= 0.1f; break;
    default: break;
  }
}
}  // namespace

void ViewerApp::pollKeys() {
  for (const KeyBinding& binding : keyBindings) {
    if (!keyDown[binding.key]) continue;
    if (binding.withControl && !keyDown[VK_CONTROL]) continue;
    keyDown[binding.key] = false;
    if (binding.withControl) keyDown[VK_CONTROL] = false;
    if (binding.needsShow && !photoShow) continue;
    if (binding.command < 0)
      movePhoto(*photoShow, binding.command);
    else
      runAppCommand(*this, binding.command);
  }
}
