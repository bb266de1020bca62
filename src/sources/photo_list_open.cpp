// Creating a PhotoList from a folder path: check, report, scan.
#include <string>

#include "dialogs/message_box_window.h"
#include "sources/photo_sources.h"
#include "structure/settings.h"

PhotoList::PhotoList(char* folderPath) : PhotoList() {
  if (!checkPath(folderPath)) {
    std::string message = std::string("Cesta '") + folderPath + "' není platnou cestou k souborům.";
    // The box copies its texts into its controls; it lives on by itself and is not waited for.
    new MessageBoxWindow(nullptr, "Špatná cesta", message.c_str(), 0, false, 0);
    return;
  }
  if (settings.recursive)
    scanTree(*this, folderPath);
  else
    scanFolder(*this, folderPath);
  finishScan();
}
