#pragma once
// A tabbed dialog with three pages, a link and a close button, built the way Ovix's dialogs
// are; its texts come from the section Windows/<section> of the test language.
#include <memory>
#include <vector>

#include "app/viewer_app.h"
#include "dialogs/dialog_frame.h"
#include "dialogs/dialog_page.h"
#include "dialogs/link_window.h"
#include "structure/language.h"

class TabbedTestDialog : public DialogFrame {
public:
  explicit TabbedTestDialog(const char* section)
      : DialogFrame("Ovix test dialog"), texts(openLanguage({"Windows", section})) {
    FrameLook look;
    look.width = 350;
    look.height = 265;
    look.iconIndex = 1;
    look.minimiseBox = true;
    look.header = HeaderStyle::large;
    look.picture = "./data/images/mirvak.bmp";
    if (!createFrame(look, texts->text("title").c_str())) return;
    addTabStrip();
    for (const char* key : {"one", "two", "three"}) {
      auto* page = new DialogPage(handle, "Ovix test page", width, height);
      pages.push_back(page->handle);
      addPage(texts->text(key).c_str(), page);
    }
    tabs->select(pages[0]);
    link = addLink("a link", 10, 200, 80);
    link->kind = LinkWindow::notifyKind;
    link->target = 42;
    link->notifyWindow = handle;
    link->attachTooltip("tip");
    ShowWindow(link->handle, SW_SHOW);
    addButton("Close", closeId, rightButtonX(), buttonY());
    show();
  }
  LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == MSG_LINK_CLICKED) return linkTargets.push_back(lParam), 0;
    if (message == WM_COMMAND && LOWORD(wParam) == closeId) return DestroyWindow(handle), 0;
    return DialogFrame::handleMessage(message, wParam, lParam);
  }

  static constexpr int closeId = 5;
  std::unique_ptr<Language> texts;
  std::vector<HWND> pages;
  std::vector<LPARAM> linkTargets;
  LinkWindow* link = nullptr;
};
