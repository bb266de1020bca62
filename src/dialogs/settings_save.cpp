#include "dialogs/settings_save.h"

#include <windows.h>

#include <string>

#include "dialogs/message_box_window.h"
#include "platform/ansi_text.h"
#include "platform/path_text.h"
#include "structure/language.h"
#include "structure/settings_file.h"

bool saveSettingsOrTell() {
  if (writeSettings()) return true;
  std::unique_ptr<Language> texts = openLanguage({"Windows", "Save"});
  // The path in its own characters, whatever folder Ovix runs from.
  const std::wstring message = wideFromCp1250(texts->text("text").c_str()) + L"\n" +
                               wideText(currentFolder() + "\\config.conf");
  // The box copies its texts and lives on by itself; nobody waits for it.
  new MessageBoxWindow(nullptr, texts->text("title").c_str(), message.c_str(), 0, false, 0);
  return false;
}
