#include "dialogs/open_dialog.h"

#include <cstdio>
#include <string>

#include "dialogs/path_field.h"
#include "dialogs/settings_save.h"
#include "photos/effect.h"
#include "platform/process_window.h"
#include "sources/photo_opener.h"
#include "sources/photo_sources.h"
#include "structure/language.h"
#include "structure/path_encoding.h"
#include "structure/settings.h"
#include "structure/settings_file.h"

namespace {
constexpr DWORD childStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
constexpr DWORD editStyle = childStyle | WS_TABSTOP | ES_AUTOHSCROLL;
constexpr DWORD checkStyle = childStyle | WS_TABSTOP | BS_CHECKBOX | BS_NOTIFY;
// Room for the lines under the photo folder that name the formats Ovix reads (three in Czech);
// the music and effect sections stand this much lower.
constexpr int formatsHeight = 28;
}  // namespace

OpenDialog::OpenDialog(PhotoOpener& opener)
    : DialogFrame("Ovix - Otevřít fotky"),
      openTexts(openLanguage({"Windows", "Open"})),
      generalTexts(openLanguage({"Windows", "General"})),
      effectNames(openLanguage({"Effects"})),
      opener(opener) {
  FrameLook look;
  look.width = 350;
  look.height = 350 + formatsHeight;
  look.iconIndex = 0;
  look.minimiseBox = true;
  look.header = HeaderStyle::large;
  look.picture = "./data/images/folder_open.bmp";
  if (!createFrame(look, openTexts->text("title").c_str())) return;

  const std::string choose = generalTexts->text("choose");
  photoEdit = createPathField(handle, instance, layout, settings.photoDir, editStyle, WS_EX_CLIENTEDGE, 15, 110, 130, 16);
  SendMessageW(photoEdit, EM_LIMITTEXT, 255, 0);
  choosePhotosButton = addButton(choose.c_str(), choosePhotosId, 155, 107);
  subFoldersBox = addControl("BUTTON", openTexts->text("full_tree").c_str(), checkStyle, 0, 15, 138,
                             width - 31, 16, subFoldersId);
  SendMessageA(subFoldersBox, BM_SETCHECK, settings.recursive ? BST_CHECKED : BST_UNCHECKED, 0);
  formatsText = addControl("STATIC", openTexts->text("formats").c_str(), childStyle, 0, 15, 158, width - 31,
                           formatsHeight, -1);

  musicEdit = createPathField(handle, instance, layout, settings.musicDir, editStyle, WS_EX_CLIENTEDGE, 15,
                              193 + formatsHeight, 130, 16);
  SendMessageW(musicEdit, EM_LIMITTEXT, 255, 0);
  chooseMusicButton = addButton(choose.c_str(), chooseMusicId, 155, 190 + formatsHeight);
  musicBox = addControl("BUTTON", openTexts->text("allow_music").c_str(), checkStyle, 0, 15, 221 + formatsHeight,
                        width - 31, 16, musicId);
  SendMessageA(musicBox, BM_SETCHECK, settings.music ? BST_CHECKED : BST_UNCHECKED, 0);

  // The height includes the dropped-down list, which needs room for its two entries.
  effectList = addControl("COMBOBOX", "", childStyle | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST,
                          0, 15, 271 + formatsHeight, 128, 80, 0);
  int chosen = 0;
  for (int i = 0; i < effectChoiceCount; ++i) {
    SendMessageA(effectList, CB_ADDSTRING, 0,
                 reinterpret_cast<LPARAM>(effectNames->text(effectChoices[i].key).c_str()));
    if (effectChoices[i].id == settings.effect) chosen = i;
  }
  SendMessageA(effectList, CB_SETCURSEL, chosen, 0);

  runButton = addButton(openTexts->text("run").c_str(), runId, leftButtonX(), buttonY());
  cancelButton = addButton(generalTexts->text("cancel").c_str(), cancelId, rightButtonX(),
                           buttonY());
  show();
}

OpenDialog::~OpenDialog() {
  effectNames.reset();
  generalTexts.reset();
  openTexts.reset();
}

void OpenDialog::paint(HDC dc) {
  DialogFrame::paint(dc);
  drawSectionLabel(dc, 10, 80, openTexts->text("photo_source").c_str());
  drawSectionLabel(dc, 10, 165 + formatsHeight, openTexts->text("music_source").c_str());
  drawSectionLabel(dc, 10, 245 + formatsHeight, openTexts->text("effects").c_str());
}

LRESULT OpenDialog::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  // Only the clicks of ids 0-5 (notification code 0); the edits' and the list's notifications
  // carry a code in the high word and go on to the default procedure.
  if (message == WM_COMMAND && wParam < 6) {
    switch (wParam) {
      case subFoldersId:
        // The edit and the list share id 0 but never send code 0 with it.
        if (reinterpret_cast<HWND>(lParam) == subFoldersBox) toggle(subFoldersBox, settings.recursive);
        return 0;
      case musicId:
        toggle(musicBox, settings.music);
        return 0;
      case choosePhotosId:
        chooseFolder(photoEdit);
        return 0;
      case chooseMusicId:
        chooseFolder(musicEdit);
        return 0;
      case runId:
        if (confirm()) DestroyWindow(handle);
        return 0;
      case cancelId:
        DestroyWindow(handle);
        return 0;
    }
  }
  return DialogFrame::handleMessage(message, wParam, lParam);
}

void OpenDialog::toggle(HWND box, bool& setting) {
  const bool ticked = SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED;
  SendMessageA(box, BM_SETCHECK, ticked ? BST_UNCHECKED : BST_CHECKED, 0);
  setting = !ticked;
  writeSettings();
}

void OpenDialog::chooseFolder(HWND edit) {
  std::string folder;
  if (browseForFolder(handle, folder)) setPathFieldText(edit, folder);
}

std::string OpenDialog::readFolder(HWND edit) {
  // Cut to what the settings keep, as the settings file would.
  return fitSettingsPath(pathFieldText(edit));
}

bool OpenDialog::confirm() {
  const std::string photoDir = readFolder(photoEdit), musicDir = readFolder(musicEdit);
  ShowWindow(handle, SW_HIDE);

  const LRESULT selected = SendMessageA(effectList, CB_GETCURSEL, 0, 0);
  if (selected >= 0 && selected < effectChoiceCount) settings.effect = effectChoices[selected].id;

  // Fits: 255 characters take at most 765 bytes.
  std::snprintf(settings.musicDir, sizeof settings.musicDir, "%s", musicDir.c_str());
  opener.openPhotos(photoDir, "");  // stores the photo folder
  saveSettingsOrTell();
  if (mainWindow) SetActiveWindow(mainWindow);
  return true;
}
