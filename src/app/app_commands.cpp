#include "app/app_commands.h"

#include <windows.h>

#include "app/help_picture.h"
#include "app/viewer_app.h"
#include "dialogs/about_dialog.h"
#include "dialogs/config_dialog.h"
#include "dialogs/open_dialog.h"
#include "dialogs/photo_list_window.h"
#include "glui/gl_panel.h"
#include "photos/photo_cache.h"
#include "photos/photo_show.h"
#include "platform/documents.h"
#include "structure/settings.h"

namespace {
void toggleMenu(ViewerApp& app) {
  app.menuShown = !app.menuShown;
  if (app.menuPanel) panelsHidden = !panelsHidden;
}

void toggleHelpPicture(ViewerApp& app) {
  if (app.helpShown) {
    delete app.helpPicture;
    app.helpPicture = nullptr;
    app.helpShown = false;
  } else {
    app.helpPicture = new HelpPicture();
    app.helpShown = true;
  }
}

void toggleInfo(ViewerApp& app) {
  settings.showInfo = !settings.showInfo;
  if (app.photoShow) app.photoShow->showInfo = settings.showInfo;
}

// The show starts again in the other order, at the photo it shows now.
void toggleShuffle(ViewerApp& app) {
  settings.shuffle = !settings.shuffle;
  if (app.photoShow) app.openPhotos(settings.photoDir, app.photoShow->currentPath());
}

// The list of the running show, in the order it walks it; none before its scan is over.
std::shared_ptr<const PhotoList> shownList(PhotoShow* show) {
  if (!show || !show->cache || !show->cache->opened()) return nullptr;
  return show->cache->photoList;
}

void selectEffect(ViewerApp& app, int identifier) {
  settings.effect = identifier;
  if (app.photoShow) app.photoShow->effect.select(identifier);
}
}  // namespace

void runAppCommand(ViewerApp& app, int command) {
  PhotoShow* show = app.photoShow;
  switch (command) {
    case commandPlayPause: if (show) show->togglePlaying(); break;
    case commandNext: if (show) show->nextPhoto(); break;
    case commandPrevious: if (show) show->previousPhoto(); break;
    case commandZoomIn: if (show) show->zoomIn(); break;
    case commandZoomOut: if (show) show->zoomOut(); break;
    case commandFirst: if (show) show->firstPhoto(); break;
    case commandLast: if (show) show->lastPhoto(); break;
    case commandFullScreen: app.toggleFullScreen(); break;
    case commandLeaveFullScreen: if (app.fullScreen) app.toggleFullScreen(); break;
    case commandInfo: toggleInfo(app); break;
    case commandShuffle: toggleShuffle(app); break;
    case commandMenu: toggleMenu(app); break;
    case commandKeys: toggleHelpPicture(app); break;
    case commandOpen: new OpenDialog(app); break;  // owns itself
    case commandConfig: new ConfigDialog(); break;    // owns itself
    case commandList: new PhotoListWindow(app.loadingReports, shownList(show)); break;  // owns itself
    case commandAbout: new AboutDialog(); break;     // owns itself
    case commandHelp: openDocument(helpPageAddress().c_str()); break;
    case commandExit: PostQuitMessage(0); break;
    case commandPlainEffect:
    case commandFadeEffect: selectEffect(app, command); break;
    default: break;
  }
}
