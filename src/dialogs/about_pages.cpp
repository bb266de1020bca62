#include "dialogs/about_pages.h"

#include <string>

#include "dialogs/message_box_window.h"
#include "dialogs/text_format.h"
#include "platform/documents.h"
#include "platform/path_text.h"
#include "platform/process_window.h"
#include "platform/program_info.h"
#include "structure/language.h"

namespace {
// The compiler's "Mmm dd yyyy": the day this Ovix was built.
constexpr const char* buildDate = __DATE__;
// The two names the thanks text begins with.
constexpr const char* firstThanked = "Jana Nováková (testování)";
constexpr const char* secondThanked = "Petr Dvořák (překlady)";

std::string siteAddress(const char* path) { return std::string(webSiteAddress) + path; }
}  // namespace

DevelopmentPage::DevelopmentPage(const DialogFrame& dialog) : DialogPage(dialog, "Development") {
  // Wide enough for the whole address.
  addOpeningLink(webSiteAddress, siteAddress("/3w/index.php"), 5, 50, 150, "Otevřít webovou adresu");
}

void DevelopmentPage::paint(HDC dc) {
  const std::string line = std::string(programVersion) + " (build date " + buildDate + ")";
  drawLabel(dc, 6, 10, line.c_str());
  drawLabel(dc, 6, 30, programCredits);
}

UpdatePage::UpdatePage(const DialogFrame& dialog)
    : DialogPage(dialog, "Update"),
      texts(openLanguage({"Windows", "About", "Update"})) {
  // The whole address is shown, so the link takes the page's width.
  const std::string downloadPage = siteAddress("/3w/index.php?action=download");
  addOpeningLink(downloadPage.c_str(), downloadPage, 10, 35, width - 20, texts->text("link_tip").c_str());
}

UpdatePage::~UpdatePage() = default;

void UpdatePage::paint(HDC dc) { drawLabel(dc, 6, 10, texts->text("new_ver").c_str()); }

DebugPage::DebugPage(const DialogFrame& dialog)
    : DialogPage(dialog, "Debug"),
      texts(openLanguage({"Windows", "About", "Debug"})) {
  intro = addControl("STATIC", texts->text("intro").c_str(), WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS,
                     0, 6, 10, width - 12, height - 60, -1);
  addNotifyingLink(texts->text("step_one").c_str(), stepOne, 10, height - 48, 108, texts->text("step_one_tip").c_str());
  addNotifyingLink(texts->text("step_two").c_str(), stepTwo, 10, height - 25, 258, texts->text("step_two_tip").c_str());
}

DebugPage::~DebugPage() = default;

LRESULT DebugPage::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == MSG_LINK_CLICKED) {
    if (lParam == stepOne) runSystemReport();
    if (lParam == stepTwo) openDocument(siteAddress("/3w/index.php?action=ovix&article=bugs").c_str());
    return 0;
  }
  return DialogPage::handleMessage(message, wParam, lParam);
}

ThanksPage::ThanksPage(const DialogFrame& dialog)
    : DialogPage(dialog, "Thanks"),
      texts(openLanguage({"Windows", "About", "Thanks"})) {
  const std::string text =
      fillTextPlaces(texts->text("thanks_str"), {firstThanked, "\r\n", secondThanked, "\r\n", "\r\n"});
  thanks = addControl("EDIT", text.c_str(),
                      WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_VSCROLL | ES_MULTILINE | ES_READONLY,
                      WS_EX_CLIENTEDGE, 6, 30, width - 12, height - 33, -1);
}

ThanksPage::~ThanksPage() = default;

void ThanksPage::paint(HDC dc) { drawLabel(dc, 6, 10, texts->text("intro").c_str()); }

void runSystemReport() {
  HMODULE library = LoadLibraryW(widePath("./debug.dll").c_str());
  using PrintCall = int (*)();
  auto print = library ? reinterpret_cast<PrintCall>(reinterpret_cast<void*>(
                             GetProcAddress(library, "_printSystemInfo")))
                       : nullptr;
  if (!print) {
    if (library) FreeLibrary(library);
    new MessageBoxWindow(mainWindow, "debug.dll", "Nelze najít knihovnu debug.dll", 0, false, 0);
    return;
  }
  print();
  const std::string report = currentFolder() + "\\logs\\debug.txt";
  openDocument(report.c_str());
  FreeLibrary(library);
}
