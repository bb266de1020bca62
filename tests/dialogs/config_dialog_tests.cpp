// The configuration dialog in this process, driven with the messages a user's clicks send:
// what save writes, what the pages show, what closing without saving leaves, the help link,
// the extensions log and an unwritable config.conf. Arrow bounds are the native test's.
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

std::string comboText(HWND list) {
  char text[256] = "";
  SendMessageA(list, CB_GETLBTEXT, SendMessageA(list, CB_GETCURSEL, 0, 0), reinterpret_cast<LPARAM>(text));
  return text;
}

std::string currentFolder() {
  char folder[MAX_PATH] = "";
  GetCurrentDirectoryA(MAX_PATH, folder);
  return folder;
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
    DeleteFileA("config.conf");
    ASSERT_TRUE(writeSettings());
    before = readFile("config.conf");
    openedDocuments.clear();
    openDocument = [](const char* address) { openedDocuments.push_back(address); };
  }
  void TearDown() override {
    for (const char* className : {"Ovix - Nastavení", "MsgBox Window"})
      for (HWND window : threadWindows(className)) DestroyWindow(window);
    SetFileAttributesA("config.conf", FILE_ATTRIBUTE_NORMAL);
    DeleteFileA("config.conf");
    RemoveDirectoryA("config.conf");
    settings = saved;
  }

  void open() {
    dialog = new ConfigDialog();
    program = static_cast<ProgramPage*>(dialog->pages[0]);
    scene = static_cast<ScenePage*>(dialog->pages[1]);
    graphics = static_cast<GraphicsPage*>(dialog->pages[2]);
    sound = static_cast<SoundPage*>(dialog->pages[3]);
    effects = static_cast<EffectsPage*>(dialog->pages[4]);
  }
  static void click(HWND control) { SendMessageA(control, BM_CLICK, 0, 0); }
  static void arrow(ConfigPage* page, HWND arrows, int code, int times = 1) {
    for (int i = 0; i < times; ++i) SendMessageA(page->handle, WM_VSCROLL, code, reinterpret_cast<LPARAM>(arrows));
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
  EXPECT_EQ(windowText(dialog->handle), "Configuration");
  SendMessageA(program->languageList, CB_SELECTSTRING, -1, reinterpret_cast<LPARAM>("cz"));
  click(program->fullScreenBox);
  program->chooseColour(3);  // pink
  arrow(scene, scene->intervalArrows, SB_LINEUP);
  SendMessageA(graphics->depthList, CB_SETCURSEL, 2, 0);
  SendMessageA(graphics->slider, TBM_SETPOS, TRUE, 127);
  SendMessageA(graphics->slider, WM_KEYDOWN, VK_RIGHT, 0);  // one step, as the keyboard moves it
  arrow(graphics, graphics->cacheArrows, SB_LINEUP);
  SendMessageA(graphics->sizeList, CB_SETCURSEL, 1, 0);
  click(graphics->smoothingBox);
  click(sound->musicBox);
  SendMessageA(effects->effectList, CB_SETCURSEL, 1, 0);
  SendMessageA(effects->handle, WM_COMMAND, MAKEWPARAM(0, CBN_SELCHANGE), reinterpret_cast<LPARAM>(effects->effectList));
  EXPECT_EQ(windowText(effects->description), "The current photo fades out and the next one fades in.");
  EXPECT_EQ(readFile("config.conf"), before);  // nothing is written before save
  click(dialog->saveButton);
  EXPECT_TRUE(threadWindows("Ovix - Nastavení").empty());

  std::string expected = before;
  for (const auto& [from, to] : std::vector<std::pair<std::string, std::string>>{
           {"full_screen=true", "full_screen=false"}, {"bg_red=0", "bg_red=253"}, {"bg_green=0", "bg_green=69"},
           {"bg_blue=0", "bg_blue=177"}, {"language=en", "language=cz"}, {"flip_time=400", "flip_time=500"},
           {"bits=24", "bits=32"}, {"opacity=0", "opacity=50"}, {"cache_level=8", "cache_level=12"},
           {"texture_size=" + std::to_string(maximum / 2), "texture_size=" + std::to_string(maximum / 4)},
           {"smoothing=true", "smoothing=false"}, {"music=false", "music=true"}, {"effect=1111", "effect=1112"}})
    expected.replace(expected.find(from), from.size(), to);
  EXPECT_EQ(readFile("config.conf"), expected);
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
  EXPECT_EQ(comboText(graphics->sizeList), std::to_string(maximum / 4) + " px");
  EXPECT_FALSE(isTicked(graphics->smoothingBox));
  EXPECT_TRUE(isTicked(sound->musicBox));
  EXPECT_EQ(windowText(effects->description), "Současná fotografie pozvolna zmizí a další se pozvolna objeví.");
}

TEST_F(ConfigDialogTest, CancelEscAndTheCloseBoxLeaveTheFileAsItWas) {
  for (int closing = 0; closing < 3; ++closing) {
    open();
    click(sound->musicBox);
    arrow(scene, scene->intervalArrows, SB_LINEUP);
    if (closing == 0) click(dialog->cancelButton);
    if (closing == 1) SendMessageA(sound->musicBox, WM_KEYUP, VK_ESCAPE, 0);  // the box has the focus
    if (closing == 2) SendMessageA(dialog->handle, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(threadWindows("Ovix - Nastavení").empty()) << closing;
    EXPECT_EQ(readFile("config.conf"), before) << closing;
    EXPECT_TRUE(!settings.music && settings.flipTime == 400);
  }
}

TEST_F(ConfigDialogTest, MendsDepthColourLanguagesAndTheLogFolder) {
  // An unlisted colour depth keeps its value; a dismissed colour menu keeps the colour.
  settings.bits = 15;
  settings.bgRed = 1;
  ASSERT_TRUE(writeFile("languages\\abcdefghijk.lang", "") && writeFile("languages\\abcdefghijkl.lang", ""));
  open();
  EXPECT_EQ(SendMessageA(graphics->depthList, CB_GETCURSEL, 0, 0), CB_ERR);
  const UINT_PTR timer = SetTimer(nullptr, 0, 100, [](HWND, UINT, UINT_PTR, DWORD) { EndMenu(); });
  click(program->chooseButton);
  KillTimer(nullptr, timer);
  EXPECT_EQ(settings.bgRed, 1u);
  program->chooseColour(11);
  EXPECT_EQ(RGB(settings.bgRed, settings.bgGreen, settings.bgBlue), RGB(106, 144, 161));
  // A name that fits the setting is offered, a longer one is not.
  for (const auto& [name, offered] : {std::pair{"abcdefghijk", true}, {"abcdefghijkl", false}})
    EXPECT_EQ(SendMessageA(program->languageList, CB_FINDSTRINGEXACT, -1, reinterpret_cast<LPARAM>(name)) != CB_ERR, offered);
  DeleteFileA("languages\\abcdefghijk.lang");
  DeleteFileA("languages\\abcdefghijkl.lang");

  // The extensions log creates its missing folder and is opened.
  DeleteFileA("logs\\extensions.txt");
  RemoveDirectoryA("logs");
  SendMessageA(graphics->extensionsLink->handle, WM_LBUTTONUP, 0, 0);
  EXPECT_EQ(readFile("logs\\extensions.txt").rfind("Renderer:\t", 0), 0u);
  EXPECT_EQ(openedDocuments, std::vector<std::string>{currentFolder() + "\\logs\\extensions.txt"});

  click(dialog->saveButton);
  EXPECT_NE(readFile("config.conf").find("bits=15;"), std::string::npos);
}

TEST_F(ConfigDialogTest, HelpLinkAsksThenOpensTheWebOrTheLocalHelp) {
  const std::string local = "file:///" + currentFolder() + "/help/help_cz.html";
  const struct {
    const char* answer;  // a button's text, or none for Esc
    std::string opened;
  } cases[] = {{"Yes", "http://ovix.example.org/3w/data_left_menu/ovix/help/help_cz.html"}, {"No", local}, {nullptr, local}};
  open();
  for (const auto& c : cases) {
    openedDocuments.clear();
    SendMessageA(dialog->helpLink->handle, WM_LBUTTONUP, 0, 0);
    const std::vector<HWND> boxes = threadWindows("MsgBox Window");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(windowText(boxes[0]), "Help");
    if (c.answer) click(FindWindowExA(boxes[0], nullptr, "Button", c.answer));
    else SendMessageA(boxes[0], WM_KEYUP, VK_ESCAPE, 0);
    EXPECT_EQ(openedDocuments, std::vector<std::string>{c.opened});
  }
  EXPECT_TRUE(IsWindow(dialog->handle));
}

TEST_F(ConfigDialogTest, AnUnwritableFileIsReportedOnceAndTheSettingsStayInMemory) {
  for (bool folderOfThatName : {false, true}) {
    if (folderOfThatName)
      ASSERT_TRUE(SetFileAttributesA("config.conf", FILE_ATTRIBUTE_NORMAL) && DeleteFileA("config.conf") &&
                  CreateDirectoryA("config.conf", nullptr));
    else
      ASSERT_TRUE(SetFileAttributesA("config.conf", FILE_ATTRIBUTE_READONLY));
    settings.music = false;
    open();
    click(sound->musicBox);
    click(dialog->saveButton);
    EXPECT_TRUE(settings.music);
    const std::vector<HWND> boxes = threadWindows("MsgBox Window");
    ASSERT_EQ(boxes.size(), 1u) << folderOfThatName;
    EXPECT_EQ(windowText(boxes[0]), "Not saved");
    EXPECT_NE(windowText(FindWindowExA(boxes[0], nullptr, "Static", nullptr)).find(currentFolder() + "\\config.conf"),
              std::string::npos);
    if (!folderOfThatName) {
      EXPECT_EQ(readFile("config.conf"), before);
    }
    DestroyWindow(boxes[0]);
  }
}

}  // namespace
