#include "app/memory_warning.h"

#include <string>

#include "dialogs/message_box_window.h"
#include "platform/process_window.h"
#include "structure/language.h"

void warnOutOfMemory() {
  std::unique_ptr<Language> texts = openLanguage({"Windows", "Memory"});
  std::string title = texts->text("title"), message = texts->text("text");
  if (title.empty()) title = "Nedostatek paměti!";
  if (message.empty())
    message = "Program detekoval nedostatek paměti pro načtení fotek. Ukončete všechny ostatní programy, které "
              "by mohly zabírat značné množství paměti a program znovu spusťte.";
  new MessageBoxWindow(mainWindow, title.c_str(), message.c_str(), 0, true, 0);
}
