#pragma once
// The application object: the OpenGL main window, its scene objects and the frame clock.
#include <windows.h>

#include <memory>
#include <string>

#include "app/loading_reports.h"
#include "platform/process_window.h"
#include "platform/window_base.h"
#include "sources/photo_opener.h"
#include "structure/language.h"

class SceneBackground;
class MenuPanel;
class LogoWheel;
class PhotoShow;
class HelpPicture;
struct Settings;
struct ShowParams;

// The show's record as the settings say: every field but the folder, the start photo, the
// owner and the reporter, which the opener adds.
ShowParams showParamsFrom(const Settings& settings);

class ViewerApp : public WindowBase, public PhotoOpener {
public:
  // The whole start-up: settings, main window, GL context, frame timer, GL state, the scene
  // objects that exist before photos are opened, and showing the window. Failures are shown in
  // message boxes and the start-up carries on with what it has.
  ViewerApp();
  // The shut-down: releases the scene, stores the window position, writes the settings and
  // releases the GL context. Runs when the main window is destroyed.
  ~ViewerApp() override;

  LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  // Sets the fixed GL state and settles `textureSize` against the driver's largest texture and
  // the monitor the window is on (settledTextureSize). Cannot fail: without a context the calls
  // do nothing, and createGlContext has reported why.
  void initGlState();
  // Switches between a window at the settings' place and size (scaled for the window's dpi)
  // and a borderless full screen.
  void toggleFullScreen();
  // The windowed size of the settings (in 96-dpi units) in pixels of the window's display.
  SIZE windowedSize() const;
  // Viewport and perspective for a client area of width x height (height 0 counts as 1).
  void resizeScene(int width, int height);
  // Draws one frame of the scene into the back buffer.
  void drawFrame();
  // PhotoOpener: the one way a show starts. Deletes the show and the logo wheel first; the new
  // show reports through `loadingReports`. Needs the GL context current.
  bool openPhotos(const std::string& folder, const std::string& startAt) override;
  // Opens a path from outside (the command line, a drop): a folder's show, or a photo's
  // folder at that photo, as openPhotos stores it. A path that cannot be shown is reported and
  // leaves the idle scene and the stored folder; false then.
  bool openPath(const std::string& path);

  // The one application object, for the code that drives it from outside the window procedure
  // (message loop, keyboard, dialogs). Null before construction and after teardown.
  static ViewerApp* runningApp;

  HDC deviceContext = nullptr;
  HGLRC renderContext = nullptr;
  int pixelFormat = 0;
  SceneBackground* background = nullptr;
  MenuPanel* menuPanel = nullptr;
  LogoWheel* logoWheel = nullptr;
  PhotoShow* photoShow = nullptr;
  LoadingReports loadingReports;  // every photo show's; outlives the show, which teardown deletes
  HelpPicture* helpPicture = nullptr;
  bool helpShown = false;
  bool menuShown = true;
  bool active = true;
  bool fullScreen = false;
  bool keyDown[256] = {};
  HANDLE updateThread = nullptr;  // the update check, never waited for
  std::unique_ptr<Language> popupTexts;   // section "PopUpMenu": the context menu's labels
  std::unique_ptr<Language> effectTexts;  // section "Effects": the effects sub-menu's labels

  // Runs the keyboard commands whose keys are down, once per frame, clearing their flags.
  void pollKeys();
  // Builds the context menu for the current state, tracks it at the cursor and runs the
  // chosen command.
  void showContextMenu();
  // The context menu with its effects sub-menu, built for the current state; the caller
  // destroys it (which destroys the sub-menu too). None when no menu could be created.
  HMENU buildContextMenu();

private:
  void frameTick();
  // Ends the show (when there is one) and brings the logo wheel back: the scene without photos.
  void showIdleScene();
  // Stores where the running show stands in "last_photo", relative to the photo folder, so
  // that the next show of that folder goes on there. Nothing without a photo shown.
  void rememberShownPhoto();
  // Takes the menu panel's pending command, resets it and carries it out.
  void runMenuCommand();
  void createMainWindow();
  void createGlContext();
  void releaseGlContext();
};
