#include "dialogs/photo_list_window.h"

#include <string>

#include "dialogs/path_field.h"
#include "platform/process_window.h"
#include "sources/photo_sources.h"
#include "structure/settings.h"

PhotoListWindow::PhotoListWindow(LoadingReporter& reporter, std::shared_ptr<const PhotoList> shown)
    : DialogFrame("Ovix - Seznam fotek") {
  FrameLook look;
  look.width = 400;
  look.height = 420;
  look.minimiseBox = true;
  look.iconResource = 103;
  look.transparent = false;
  if (!createFrame(look, "Ovix - Seznam fotek")) return;

  constexpr DWORD fieldStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | ES_READONLY | ES_AUTOHSCROLL;
  pathField = createPathField(handle, instance, layout, settings.photoDir, fieldStyle, WS_EX_CLIENTEDGE, 8, 10, width - 64, 22);
  countField = addControl("EDIT", "", fieldStyle, WS_EX_CLIENTEDGE, width - 55, 10, 38, 22, 0);
  closeButton = addButton("Zavřít", closeId, rightButtonX(), buttonY());
  gridBox = addControl("BUTTON", "Mřížka", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | BS_CHECKBOX | BS_NOTIFY,
                       0, 8, height - 62, 210, 16, gridId);
  forwardEscape(gridBox, handle);
  formatsText = addControl("STATIC",
                           "Fotky ve formátech JPEG, PNG, BMP, GIF, TIFF a také WebP, HEIC nebo AVIF, "
                           "má-li pro ně Windows kodeky.",
                           WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, 8, height - 96, width - 24, 28, -1);

  list = std::make_unique<PhotoListView>(handle, instance, 8, 35, width - 24, height - 135);
  layout.place(list->control, list->left, list->top, list->width, list->height);
  list->addColumn("Adresář", layout.px(180));
  list->addColumn("Soubor", layout.px(200));
  scan = std::move(shown);
  if (!scan) {
    // The folder as a show would open it; the setting keeps the text the user typed.
    auto scanned = std::make_shared<PhotoList>();
    const CheckedFolder folder = checkPhotoFolder(settings.photoDir, reporter);
    if (folder.usable) scanPhotoFolder(*scanned, folder.path, settings.recursive);
    scan = std::move(scanned);
  }
  list->showRows(scan.get());
  SetWindowTextA(countField, std::to_string(scan->size()).c_str());
  show();
}

PhotoListWindow::~PhotoListWindow() {
  list.reset();  // before the rows it shows
  scan.reset();
}

LRESULT PhotoListWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NOTIFY:
      if (list) list->notify(reinterpret_cast<const NMHDR*>(lParam));
      return 0;
    case WM_COMMAND:
      if (wParam == closeId) DestroyWindow(handle);
      if (wParam == gridId) {
        const bool ticked = SendMessageA(gridBox, BM_GETCHECK, 0, 0) == BST_CHECKED;
        list->showGrid(!ticked);
        SendMessageA(gridBox, BM_SETCHECK, ticked ? BST_UNCHECKED : BST_CHECKED, 0);
      }
      return 0;
  }
  return DialogFrame::handleMessage(message, wParam, lParam);
}
