#pragma once
// What dialogs and their tab pages share: a window that holds standard controls and links in
// the control font and draws labels in it. The look (font, transparency) is fixed when the host
// is made, so a host built on another thread never reads the settings. Positions and sizes are
// 96-dpi units, placed at the window's DPI through `layout`.
#include <string>
#include <vector>

#include "platform/window_base.h"
#include "dialogs/dialog_layout.h"

class LinkWindow;

class ControlHost : public WindowBase {
public:
  // A child control of this window in the control font; `id` becomes its control id. None
  // before the host has its window.
  HWND addControl(const char* className, const char* text, DWORD style, DWORD extendedStyle,
                  int x, int y, int width, int height, int id);
  // A shown link child that opens `address` through openDocument when clicked, with `tip` as
  // its tooltip. It is torn down with this host. None when its window could not be created.
  LinkWindow* addOpeningLink(const char* caption, const std::string& address, int x, int y,
                             int width, const char* tip);
  // A shown link child that sends this window MSG_LINK_CLICKED with lParam `value` when
  // clicked; otherwise as addOpeningLink.
  LinkWindow* addNotifyingLink(const char* caption, LPARAM value, int x, int y, int width,
                               const char* tip);
  // A label: black, the control font, transparent background.
  void drawLabel(HDC dc, int x, int y, const char* text);

  WindowLook windowLook;  // copied when the host was made
  DialogLayout layout;    // the host's controls and links at its DPI, in the look's font

protected:
  explicit ControlHost(const WindowLook& look);
  // Releases the owned children still there.
  ~ControlHost() override;

  // Takes `child` (a child window object of this host) to tear down with it.
  void adopt(WindowBase* child);
  // Destroys the owned children's windows, which deletes their objects; an object whose window
  // never existed is deleted here. Safe to call twice.
  void releaseChildren();

private:
  // A link made by the factories: adopted, given its tooltip and shown; none stays none.
  LinkWindow* placeLink(LinkWindow* link, const char* tip);

  struct OwnedChild {
    WindowBase* object;
    HWND window;
  };
  std::vector<OwnedChild> ownedChildren;  // pages and links
};
