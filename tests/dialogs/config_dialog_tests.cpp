// The configuration dialog in this process, driven with the messages a user's clicks send:
// what save writes, what the pages show, what closing without saving leaves, the help link,
// the extensions log, an unwritable config.conf, and screenshots of every page.
#include <gtest/gtest.h>

#include <windows.h>
#include <GL/gl.h>
#include <commctrl.h>

#include <cstdio>
#include <string>
#include <vector>

#include "app/app_commands.h"
#include "dialog_test_support.h"
#include "dialogs/config_dialog.h"
#include "dialogs/config_values.h"
#include "dialogs/effects_page.h"
#include "dialogs/graphics_page.h"
#include "dialogs/link_window.h"
#include "dialogs/program_page.h"
#include "dialogs/scene_page.h"
#include "dialogs/sound_page.h"
#include "glui/gl_test_context.h"
#include "structure/settings.h"
#include "structure/settings_file.h"

namespace {
std::vector<std::string> openedDocuments;
void rememberDocument(const char* address) { openedDocuments.push_back(address); }

std::string comboText(HWND list) {
  const LRESULT selected = SendMessageA(list, CB_GETCURSEL, 0, 0);
  char text[256] = "";
  if (selected != CB_ERR) SendMessageA(list, CB_GETLBTEXT, selected, reinterpret_cast<LPARAM>(text));
  return text;
}

std::string replaced(std::string text, const std::vector<std::pair<std::string, std::string>>& changes) {
  for (const auto& [from, to] : changes) {
    const size_t at = text.find(from);
    if (at == std::string::npos) return "missing " + from;
    text.replace(at, from.size(), to);
  }
  return text;
}

class ConfigDialogTest : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(gl.ready());
    saved = settings;
    settings = Settings();
    settings.dialogFont = GetStockObject(DEFAULT_GUI_FONT);
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maximum);
    settings.textureSize = maximum / 2;
    SetFileAttributesA("config.conf", FILE_ATTRIBUTE_NORMAL);
    DeleteFileA("config.conf");
    ASSERT_TRUE(writeSettings());
    before = readFile("config.conf");
    openedDocuments.clear();
    openDocument = rememberDocument;
  }
  void TearDown() override {
    for (const char* className : {"Ovix - Nastavení", "MsgBox Window"})
      for (HWND window : threadWindows(className)) DestroyWindow(window);
    SetFileAttributesA("config.conf", FILE_ATTRIBUTE_NORMAL);
    DeleteFileA("config.conf");
    RemoveDirectoryA("config.conf");
    settings = saved;
  }

  ConfigDialog* open() {
    dialog = new ConfigDialog();
    program = static_cast<ProgramPage*>(dialog->pages[0]);
    scene = static_cast<ScenePage*>(dialog->pages[1]);
    graphics = static_cast<GraphicsPage*>(dialog->pages[2]);
    sound = static_cast<SoundPage*>(dialog->pages[3]);
    effects = static_cast<EffectsPage*>(dialog->pages[4]);
    return dialog;
  }
  static void arrow(ConfigPage* page, HWND arrows, int code, int times = 1) {
    for (int i = 0; i < times; ++i) SendMessageA(page->handle, WM_VSCROLL, code, reinterpret_cast<LPARAM>(arrows));
  }
  void moveSlider(int position) {
    SendMessageA(graphics->slider, TBM_SETPOS, TRUE, position);
    SendMessageA(graphics->handle, WM_HSCROLL, TB_THUMBPOSITION, reinterpret_cast<LPARAM>(graphics->slider));
  }
  void chooseEffect(int entry) {
    SendMessageA(effects->effectList, CB_SETCURSEL, entry, 0);
    SendMessageA(effects->handle, WM_COMMAND, MAKEWPARAM(0, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(effects->effectList));
  }

  GlTestContext gl;
  Settings saved;
  GLint maximum = 0;
  std::string before;
  ConfigDialog* dialog = nullptr;
  ProgramPage* program = nullptr;
  ScenePage* scene = nullptr;
  GraphicsPage* graphics = nullptr;
  SoundPage* sound = nullptr;
  EffectsPage* effects = nullptr;
};

TEST_F(ConfigDialogTest, SaveWritesOneChangePerPageAndReopeningShowsThem) {
  open();
  HWND window = dialog->handle;
  EXPECT_EQ(windowText(window), "Configuration");
  SendMessageA(program->languageList, CB_SELECTSTRING, -1, reinterpret_cast<LPARAM>("cz"));
  SendMessageA(program->fullScreenBox, BM_CLICK, 0, 0);
  program->chooseColour(3);  // pink
  arrow(scene, scene->intervalArrows, SB_LINEUP);
  SendMessageA(graphics->depthList, CB_SETCURSEL, 2, 0);
  moveSlider(128);
  arrow(graphics, graphics->cacheArrows, SB_LINEUP);
  SendMessageA(graphics->sizeList, CB_SETCURSEL, 1, 0);
  SendMessageA(graphics->smoothingBox, BM_CLICK, 0, 0);
  SendMessageA(sound->musicBox, BM_CLICK, 0, 0);
  chooseEffect(1);
  EXPECT_EQ(windowText(effects->description), "The current photo fades out and the next one fades in.");
  EXPECT_EQ(readFile("config.conf"), before);  // nothing is written before save
  SendMessageA(dialog->saveButton, BM_CLICK, 0, 0);
  EXPECT_FALSE(IsWindow(window));

  const std::string size = std::to_string(maximum / 2), smaller = std::to_string(maximum / 4);
  EXPECT_EQ(readFile("config.conf"),
            replaced(before, {{"full_screen=true", "full_screen=false"}, {"bg_red=0", "bg_red=253"},
                              {"bg_green=0", "bg_green=69"}, {"bg_blue=0", "bg_blue=177"},
                              {"language=en", "language=cz"}, {"flip_time=400", "flip_time=500"},
                              {"bits=24", "bits=32"}, {"opacity=0", "opacity=50"},
                              {"cache_level=8", "cache_level=12"},
                              {"texture_size=" + size, "texture_size=" + smaller},
                              {"smoothing=true", "smoothing=false"}, {"music=false", "music=true"},
                              {"effect=1111", "effect=1112"}}));
  GLfloat clear[4] = {};
  glGetFloatv(GL_COLOR_CLEAR_VALUE, clear);
  EXPECT_NEAR(clear[0], 253 / 255.0f, 0.01f);
  EXPECT_NEAR(clear[2], 177 / 255.0f, 0.01f);

  // Opened again, now in Czech, every page shows what was saved.
  open();
  EXPECT_EQ(windowText(dialog->handle), "Nastavení");
  EXPECT_EQ(comboText(program->languageList), "cz");
  EXPECT_FALSE(isTicked(program->fullScreenBox));
  EXPECT_TRUE(isTicked(program->positionBox));
  EXPECT_EQ(windowText(scene->intervalField), "5");
  EXPECT_EQ(comboText(graphics->depthList), "32");
  EXPECT_EQ(windowText(graphics->percentField), "50%");
  EXPECT_EQ(SendMessageA(graphics->slider, TBM_GETPOS, 0, 0), 127);
  EXPECT_EQ(windowText(graphics->cacheField), "12");
  EXPECT_EQ(comboText(graphics->sizeList), smaller + " px");
  EXPECT_FALSE(isTicked(graphics->smoothingBox));
  EXPECT_TRUE(isTicked(sound->musicBox));
  EXPECT_EQ(SendMessageA(effects->effectList, CB_GETCURSEL, 0, 0), 1);
  EXPECT_EQ(windowText(effects->description), "Současná fotografie pozvolna zmizí a další se pozvolna objeví.");
}

TEST_F(ConfigDialogTest, CancelEscAndTheCloseBoxLeaveTheFileAsItWas) {
  for (int closing = 0; closing < 3; ++closing) {
    open();
    HWND window = dialog->handle;
    SendMessageA(sound->musicBox, BM_CLICK, 0, 0);
    arrow(scene, scene->intervalArrows, SB_LINEUP);
    if (closing == 0) SendMessageA(dialog->cancelButton, BM_CLICK, 0, 0);
    if (closing == 1) SendMessageA(sound->musicBox, WM_KEYUP, VK_ESCAPE, 0);  // the box has the focus
    if (closing == 2) SendMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_FALSE(IsWindow(window)) << closing;
    EXPECT_EQ(readFile("config.conf"), before) << closing;
    EXPECT_FALSE(settings.music);
    EXPECT_EQ(settings.flipTime, 400);
  }
}

TEST_F(ConfigDialogTest, ArrowsSliderAndSizesStayWithinTheirBounds) {
  settings.flipTime = 100;
  settings.cacheLevel = 10;
  settings.opacity = 50;
  open();
  arrow(scene, scene->intervalArrows, SB_LINEDOWN);
  EXPECT_EQ(windowText(scene->intervalField), "1");
  arrow(graphics, graphics->cacheArrows, SB_LINEDOWN, 2);
  EXPECT_EQ(windowText(graphics->cacheField), "6");
  arrow(graphics, graphics->cacheArrows, SB_LINEUP, 14);
  EXPECT_EQ(windowText(graphics->cacheField), "58");
  arrow(graphics, graphics->cacheArrows, SB_THUMBTRACK);
  EXPECT_EQ(windowText(graphics->cacheField), "58");
  EXPECT_EQ(windowText(graphics->percentField), "50%");
  EXPECT_EQ(SendMessageA(graphics->slider, TBM_GETPOS, 0, 0), 127);
  SendMessageA(graphics->slider, WM_KEYDOWN, VK_RIGHT, 0);  // one step, as the keyboard moves it
  EXPECT_EQ(SendMessageA(graphics->slider, TBM_GETPOS, 0, 0), 128);
  EXPECT_EQ(windowText(graphics->percentField), "50%");
  moveSlider(255);
  EXPECT_EQ(windowText(graphics->percentField), "100%");

  const std::vector<int32_t> sizes = textureSizeChoices(maximum);
  ASSERT_FALSE(sizes.empty());
  EXPECT_EQ(SendMessageA(graphics->sizeList, CB_GETCOUNT, 0, 0), static_cast<LRESULT>(sizes.size()));
  EXPECT_EQ(comboText(graphics->sizeList), std::to_string(maximum / 2) + " px");
  SendMessageA(dialog->saveButton, BM_CLICK, 0, 0);
  EXPECT_EQ(settings.flipTime, 100);
  EXPECT_EQ(settings.cacheLevel, 58);
  EXPECT_EQ(settings.opacity, 100);
}

TEST_F(ConfigDialogTest, MendsDepthColourLanguagesAndTheLogFolder) {
  // An unlisted colour depth keeps its value; a dismissed colour menu keeps the colour.
  settings.bits = 15;
  settings.bgRed = 1, settings.bgGreen = 2, settings.bgBlue = 3;
  ASSERT_TRUE(writeFile("languages\\abcdefghijk.lang", ""));
  ASSERT_TRUE(writeFile("languages\\abcdefghijkl.lang", ""));
  open();
  EXPECT_EQ(SendMessageA(graphics->depthList, CB_GETCURSEL, 0, 0), CB_ERR);
  const UINT_PTR timer = SetTimer(nullptr, 0, 100, [](HWND, UINT, UINT_PTR, DWORD) { EndMenu(); });
  SendMessageA(program->chooseButton, BM_CLICK, 0, 0);
  KillTimer(nullptr, timer);
  EXPECT_EQ(std::vector<uint32_t>({settings.bgRed, settings.bgGreen, settings.bgBlue}),
            std::vector<uint32_t>({1, 2, 3}));
  program->chooseColour(11);
  EXPECT_EQ(std::vector<uint32_t>({settings.bgRed, settings.bgGreen, settings.bgBlue}),
            std::vector<uint32_t>({106, 144, 161}));
  // A name that fits the setting is offered, a longer one is not.
  EXPECT_NE(SendMessageA(program->languageList, CB_FINDSTRINGEXACT, -1, reinterpret_cast<LPARAM>("abcdefghijk")), CB_ERR);
  EXPECT_EQ(SendMessageA(program->languageList, CB_FINDSTRINGEXACT, -1, reinterpret_cast<LPARAM>("abcdefghijkl")), CB_ERR);
  DeleteFileA("languages\\abcdefghijk.lang");
  DeleteFileA("languages\\abcdefghijkl.lang");

  // The extensions log creates its missing folder and is opened.
  DeleteFileA("logs\\extensions.txt");
  RemoveDirectoryA("logs");
  SendMessageA(graphics->extensionsLink->handle, WM_LBUTTONUP, 0, 0);
  EXPECT_EQ(readFile("logs\\extensions.txt").rfind("Renderer:\t", 0), 0u);
  char folder[MAX_PATH];
  GetCurrentDirectoryA(MAX_PATH, folder);
  EXPECT_EQ(openedDocuments, std::vector<std::string>{std::string(folder) + "\\logs\\extensions.txt"});

  SendMessageA(dialog->saveButton, BM_CLICK, 0, 0);
  EXPECT_EQ(settings.bits, 15);
  EXPECT_NE(readFile("config.conf").find("bits=15;"), std::string::npos);
}

TEST_F(ConfigDialogTest, HelpLinkAsksThenOpensTheWebOrTheLocalHelp) {
  char folder[MAX_PATH];
  GetCurrentDirectoryA(MAX_PATH, folder);
  const std::string local = std::string("file:///") + folder + "/help/help_cz.html";
  const struct {
    const char* answer;  // a button's text, or none for Esc
    std::string opened;
  } cases[] = {{"Yes", "http://ovix.example.org/3w/data_left_menu/ovix/help/help_cz.html"},
               {"No", local},
               {nullptr, local}};
  open();
  for (const auto& c : cases) {
    openedDocuments.clear();
    SendMessageA(dialog->helpLink->handle, WM_LBUTTONUP, 0, 0);
    const std::vector<HWND> boxes = threadWindows("MsgBox Window");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(windowText(boxes[0]), "Help");
    if (c.answer)
      SendMessageA(FindWindowExA(boxes[0], nullptr, "Button", c.answer), BM_CLICK, 0, 0);
    else
      SendMessageA(boxes[0], WM_KEYUP, VK_ESCAPE, 0);
    EXPECT_FALSE(IsWindow(boxes[0]));
    EXPECT_EQ(openedDocuments, std::vector<std::string>{c.opened});
  }
  EXPECT_TRUE(IsWindow(dialog->handle));
}

TEST_F(ConfigDialogTest, AnUnwritableFileIsReportedOnceAndTheSettingsStayInMemory) {
  char path[MAX_PATH];
  GetFullPathNameA("config.conf", MAX_PATH, path, nullptr);
  for (bool folderOfThatName : {false, true}) {
    if (folderOfThatName) {
      SetFileAttributesA("config.conf", FILE_ATTRIBUTE_NORMAL);
      DeleteFileA("config.conf");
      ASSERT_TRUE(CreateDirectoryA("config.conf", nullptr));
    } else {
      ASSERT_TRUE(SetFileAttributesA("config.conf", FILE_ATTRIBUTE_READONLY));
    }
    settings.music = false;
    open();
    SendMessageA(sound->musicBox, BM_CLICK, 0, 0);
    SendMessageA(dialog->saveButton, BM_CLICK, 0, 0);
    EXPECT_TRUE(settings.music);
    const std::vector<HWND> boxes = threadWindows("MsgBox Window");
    ASSERT_EQ(boxes.size(), 1u) << folderOfThatName;
    EXPECT_EQ(windowText(boxes[0]), "Not saved");
    EXPECT_NE(windowText(FindWindowExA(boxes[0], nullptr, "Static", nullptr)).find(path), std::string::npos);
    if (!folderOfThatName) {
      EXPECT_EQ(readFile("config.conf"), before);
      Capture capture;
      POINT client;
      EXPECT_TRUE(captureWindow(boxes[0], "save-failed.png", capture, client));
    }
    DestroyWindow(boxes[0]);
  }
}

TEST_F(ConfigDialogTest, ScreenshotsOfEveryPageInCzechAndEnglish) {
  for (const char* language : {"cz", "en"}) {
    std::snprintf(settings.language, sizeof settings.language, "%s", language);
    open();
    for (int page = 0; page < 5; ++page) {
      dialog->tabs->select(dialog->pages[page]->handle);
      Capture capture;
      POINT client;
      const std::string file = std::string("config-") + language + "-" + std::to_string(page + 1) + ".png";
      EXPECT_TRUE(captureWindow(dialog->handle, file.c_str(), capture, client)) << file;
    }
    DestroyWindow(dialog->handle);
  }
}
}  // namespace
