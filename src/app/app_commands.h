#pragma once
// Commands shared by the keyboard, the context menu and the in-scene buttons, acting on the
// application object. Each is a no-op where what it acts on does not exist.
#include "photos/effect.h"

class ViewerApp;

// Context-menu command ids; the keys run the same commands.
enum AppCommand {
  commandOpen = 10,
  commandConfig = 11,
  commandList = 12,
  commandAbout = 13,
  commandExit = 14,
  commandPlayPause = 30,
  commandNext = 31,
  commandPrevious = 32,
  commandZoomIn = 33,
  commandZoomOut = 34,
  commandFirst = 35,
  commandLast = 36,
  commandFullScreen = 50,
  commandMenu = 51,
  commandKeys = 52,
  commandHelp = 53,
  commandInfo = 54,
  commandShuffle = 55,
  commandLeaveFullScreen = 56,
  commandPlainEffect = effectPlain,  // the effect commands are the effects' own ids
  commandFadeEffect = effectFade,
};

// Runs one command by its id; unknown ids (0 for a dismissed menu among them) do nothing.
void runAppCommand(ViewerApp& app, int command);
