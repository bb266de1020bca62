#include "dialogs/settings_save.h"

#include <windows.h>

#include <string>

#include "dialogs/message_box_window.h"
#include "structure/language.h"
#include "structure/settings_file.h"

bool saveSettingsOrTell() {
  if (writeSettings()) return true;
  char path[MAX_PATH] = "config.conf";
  GetFullPathNameA("config.conf", sizeof path, path, nullptr);
  std::unique_ptr<Language> texts = openLanguage({"Windows", "Save"});
  const std::string message = texts->text("text") + "\n" + path;
  // The box copies its texts and lives on by itself; nobody waits for it.
  new MessageBoxWindow(nullptr, texts->text("title").c_str(), message.c_str(), 0, false, 0);
  return false;
}
