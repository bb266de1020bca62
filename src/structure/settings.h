#pragma once
// The process-wide settings record. Every reader of a setting reads this record, never the
// file; readSettings fills it from config.conf at start-up and writeSettings stores it back.
// Until then every field holds its default. Only the main thread touches it.
#include <cstdint>

struct Settings {
  // Program
  bool recursive = false;
  bool fullScreen = true;
  bool lastPosition = true;
  bool checkUpdates = true;
  uint32_t bgRed = 0;
  uint32_t bgGreen = 0;
  uint32_t bgBlue = 0;
  int32_t windowX = 0;
  int32_t windowY = 0;
  // The two folders are UTF-8 (platform/path_text.h) of at most 255 characters, which in
  // UTF-8 take up to 765 bytes.
  char photoDir[1024] = "";
  char language[12] = "en";
  bool showInfo = false;  // the photo info line under the film strip
  bool shuffle = false;   // shows walk their folder in a random order
  char lastPhoto[1024] = "";  // the photo shown at the last shut-down, relative to photoDir; as
                              // long as the folders, so a name read back is never cut mid-letter
  // Scene
  bool photoNames = false;
  int32_t flipTime = 400;
  // Graphics
  int32_t bits = 24;
  uint8_t opacity = 0;
  int32_t cacheLevel = 8;
  int32_t textureSize = 0;
  bool smoothing = true;
  // Sound
  char musicDir[1024] = "";
  bool music = false;
  // Effects
  int32_t effect = 1111;

  // Not stored in the file; set when the settings are read.
  int32_t windowWidth = 450;
  int32_t windowHeight = 370;
  void* dialogFont = nullptr;  // HFONT of the stock default GUI font
};

extern Settings settings;

// What the settings need from the platform, handed in by the Win32 side so that the
// settings code itself stays platform-free.
struct SettingsEnvironment {
  void* dialogFont = nullptr;  // the stock DEFAULT_GUI_FONT
  int32_t screenWidth = 1024;  // primary screen, for centring the window
  int32_t screenHeight = 768;
};
