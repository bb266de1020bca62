#pragma once
// The photo list window: the photos of the settings' photo folder (with its sub-folders when
// "recursive" is on) as rows of folder and file name, with their number and optional grid
// lines. Read-only; the show's own list, or scanned once when it opens. Its texts are fixed, its window opaque.
#include <memory>

#include "dialogs/dialog_frame.h"
#include "dialogs/photo_list_view.h"
#include "sources/loading_reporter.h"
#include "sources/photo_list.h"

class PhotoListWindow : public DialogFrame {
public:
  static constexpr int closeId = 0;
  static constexpr int gridId = 1;

  // Lists `shown` (the running show's list, in the order the show walks it), or without one
  // scans the folder (an invalid one is reported through `reporter` and lists nothing); builds
  // and shows the window. Allocate with new: it deletes itself when its window goes.
  explicit PhotoListWindow(LoadingReporter& reporter, std::shared_ptr<const PhotoList> shown = nullptr);
  ~PhotoListWindow() override;

  LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  std::shared_ptr<const PhotoList> scan;
  std::unique_ptr<PhotoListView> list;
  HWND pathField = nullptr;
  HWND countField = nullptr;
  HWND closeButton = nullptr;
  HWND gridBox = nullptr;
  HWND formatsText = nullptr;  // the photo formats a folder is scanned for, under the list
};
