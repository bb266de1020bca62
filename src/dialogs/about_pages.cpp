#include "dialogs/about_pages.h"

#include <string>

#include "app/app_commands.h"
#include "app/program_info.h"
#include "dialogs/link_window.h"
#include "dialogs/message_box_window.h"
#include "dialogs/text_format.h"
#include "platform/path_text.h"
#include "platform/process_window.h"
#include "structure/language.h"

namespace {
// The compiler's "Mmm dd yyyy": the day this Ovix was built.
constexpr const char* buildDate = __DATE__;
// The two names the thanks text begins with.
constexpr const char* firstThanked = "Jana Nováková (testování)";
constexpr const char* secondThanked = "Petr Dvořák (překlady)";

std::string siteAddress(const char* path) { return std::string(webSiteAddress) + path; }

// A link that tells `page` its step number when clicked.
void addStepLink(DialogPage& page, const std::string& caption, int y, int width, intptr_t step,
                 const std::string& tip) {
  if (LinkWindow* link = page.addLink(caption.c_str(), 10, y, width, tip.c_str())) {
    link->kind = LinkWindow::notifyKind;
    link->target = step;
    link->notifyWindow = page.handle;
  }
}

void addOpeningLink(DialogPage& page, const std::string& caption, const std::string& target,
                    int x, int y, int width, const char* tip) {
  if (LinkWindow* link = page.addLink(caption.c_str(), x, y, width, tip)) {
    link->kind = LinkWindow::openKind;
    link->target = reinterpret_cast<intptr_t>(target.c_str());
  }
}
}  // namespace

DevelopmentPage::DevelopmentPage(HWND dialog, int dialogWidth, int dialogHeight)
    : DialogPage(dialog, "Development", dialogWidth, dialogHeight),
      homePage(siteAddress("/3w/index.php")) {
  // Wide enough for the whole address.
  addOpeningLink(*this, webSiteAddress, homePage, 5, 50, 150, "Otevřít webovou adresu");
}

void DevelopmentPage::paint(HDC dc) {
  const std::string line = std::string(programVersion) + " (build date " + buildDate + ")";
  drawLabel(dc, 6, 10, line.c_str());
  drawLabel(dc, 6, 30, programCredits);
}

UpdatePage::UpdatePage(HWND dialog, int dialogWidth, int dialogHeight)
    : DialogPage(dialog, "Update", dialogWidth, dialogHeight),
      texts(openLanguage({"Windows", "About", "Update"})),
      downloadPage(siteAddress("/3w/index.php?action=download")) {
  // The whole address is shown, so the link takes the page's width.
  addOpeningLink(*this, downloadPage, downloadPage, 10, 35, width - 20, texts->text("link_tip").c_str());
}

UpdatePage::~UpdatePage() = default;

void UpdatePage::paint(HDC dc) { drawLabel(dc, 6, 10, texts->text("new_ver").c_str()); }

DebugPage::DebugPage(HWND dialog, int dialogWidth, int dialogHeight)
    : DialogPage(dialog, "Debug", dialogWidth, dialogHeight),
      texts(openLanguage({"Windows", "About", "Debug"})) {
  intro = addControl("STATIC", texts->text("intro").c_str(), WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS,
                     0, 6, 10, width - 12, height - 60, -1);
  addStepLink(*this, texts->text("step_one"), height - 48, 108, stepOne, texts->text("step_one_tip"));
  addStepLink(*this, texts->text("step_two"), height - 25, 258, stepTwo, texts->text("step_two_tip"));
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

ThanksPage::ThanksPage(HWND dialog, int dialogWidth, int dialogHeight)
    : DialogPage(dialog, "Thanks", dialogWidth, dialogHeight),
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
  HMODULE library = LoadLibraryA("./debug.dll");
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
