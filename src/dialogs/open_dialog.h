#pragma once
// The open photos dialog: the folder of photos and whether its sub-folders count, the folder of
// music and whether it plays, and the transition effect. Run stores the music folder and the
// effect and has the opener start a show of the chosen folder; cancel, Esc and the close box
// change nothing but the two check boxes, which are saved the moment they are clicked.
#include <memory>
#include <string>

#include "dialogs/dialog_frame.h"

class Language;
class PhotoOpener;

class OpenDialog : public DialogFrame {
public:
  // Control ids carried by WM_COMMAND.
  static constexpr int subFoldersId = 0;  // the two folder edits and the effect list share 0
  static constexpr int musicId = 1;
  static constexpr int choosePhotosId = 2;
  static constexpr int chooseMusicId = 3;
  static constexpr int runId = 4;
  static constexpr int cancelId = 5;

  // Builds and shows the dialog. Run starts the show through `opener`, which must outlive the
  // dialog. Allocate with new: the dialog deletes itself when its window goes.
  explicit OpenDialog(PhotoOpener& opener);
  ~OpenDialog() override;

  LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  std::unique_ptr<Language> openTexts;     // "Windows" -> "Open"
  std::unique_ptr<Language> generalTexts;  // "Windows" -> "General"
  std::unique_ptr<Language> effectNames;   // "Effects"
  PhotoOpener& opener;
  HWND photoEdit = nullptr;
  HWND musicEdit = nullptr;
  HWND subFoldersBox = nullptr;
  HWND formatsText = nullptr;  // the photo formats Ovix reads, under the sub-folders box
  HWND musicBox = nullptr;
  HWND effectList = nullptr;
  HWND choosePhotosButton = nullptr;
  HWND chooseMusicButton = nullptr;
  HWND runButton = nullptr;
  HWND cancelButton = nullptr;

protected:
  // The header band and the three section labels.
  void paint(HDC dc) override;

private:
  // Flips a check box and its setting, and saves the settings at once.
  void toggle(HWND box, bool& setting);
  // The shell's folder browser; a chosen folder replaces the edit's text.
  void chooseFolder(HWND edit);
  // The edit's folder (UTF-8), cut to the 255 characters the settings keep.
  std::string readFolder(HWND edit);
  // Stores the effect and the music folder, opens the photo folder and saves the settings; true.
  bool confirm();
};
