// The configuration dialog in this process, driven with the messages a user's clicks send:
// what save writes, what closing without saving leaves, and an unwritable config.conf. The
// values' arithmetic and the file's format are the native tests'.
#include <GL/gl.h>

#include <algorithm>

#include <utility>

#include "dialog_test_support.h"
#include "dialogs/config_dialog.h"
#include "dialogs/effects_page.h"
#include "dialogs/graphics_page.h"
#include "dialogs/program_page.h"
#include "dialogs/scene_page.h"
#include "dialogs/sound_page.h"
#include "glui/gl_test_context.h"
#include "platform/ansi_text.h"
#include "structure/language.h"
#include "structure/settings_file.h"

namespace {
constexpr const char* dialogClass = "Ovix - Nastavení";

class ConfigDialogTest : public ::testing::Test {
protected:
  // English defaults with a texture size the graphics page offers, saved as config.conf.
  void SetUp() override {
    ASSERT_TRUE(gl.ready());
    saved = settings;
    settings = Settings();
    settings.dialogFont = GetStockObject(DEFAULT_GUI_FONT);
    GLint maximum = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maximum);
    settings.textureSize = maximum / 2;
    ASSERT_TRUE(writeSettings());
    before = readFile("config.conf");
  }
  void TearDown() override {
    for (const char* className : {dialogClass, "MsgBox Window"})
      for (HWND window : threadWindows(className)) DestroyWindow(window);
    SetFileAttributesA("config.conf", FILE_ATTRIBUTE_NORMAL);
    DeleteFileA("config.conf");
    settings = saved;
  }
  template <class Page> Page* page(int index) { return static_cast<Page*>(dialog->pages[index]); }
  // Opens the dialog and changes one setting on each of its five pages.
  void openAndChange() {
    dialog = new ConfigDialog();
    page<ProgramPage>(0)->chooseColour(3);  // pink
    page<ProgramPage>(0)->chooseColour(0);  // the menu again, dismissed: still pink
    auto* scene = page<ScenePage>(1);
    SendMessageA(scene->handle, WM_VSCROLL, SB_LINEUP, reinterpret_cast<LPARAM>(scene->intervalArrows));
    SendMessageA(page<GraphicsPage>(2)->depthList, CB_SETCURSEL, 2, 0);
    click(page<SoundPage>(3)->musicBox);
    auto* effects = page<EffectsPage>(4);
    SendMessageA(effects->effectList, CB_SETCURSEL, 1, 0);
    SendMessageA(effects->handle, WM_COMMAND, MAKEWPARAM(0, CBN_SELCHANGE), reinterpret_cast<LPARAM>(effects->effectList));
  }

  GlTestContext gl;
  Settings saved;
  std::string before;
  ConfigDialog* dialog = nullptr;
};

TEST_F(ConfigDialogTest, SaveWritesEveryPageAndReopenedPagesSaveTheSame) {
  openAndChange();
  EXPECT_EQ(readFile("config.conf"), before);  // nothing is written before save
  click(dialog->saveButton);
  EXPECT_FALSE(FindWindowA(dialogClass, nullptr));
  std::string expected = before;
  for (const auto& [from, to] : std::vector<std::pair<std::string, std::string>>{
           {"bg_red=0", "bg_red=253"}, {"bg_green=0", "bg_green=69"}, {"bg_blue=0", "bg_blue=177"},
           {"flip_time=400", "flip_time=500"}, {"bits=24", "bits=32"}, {"music=false", "music=true"},
           {"effect=1111", "effect=1112"}})
    expected.replace(expected.find(from), from.size(), to);
  EXPECT_EQ(readFile("config.conf"), expected);
  GLfloat clear[4] = {};
  glGetFloatv(GL_COLOR_CLEAR_VALUE, clear);
  EXPECT_NEAR(clear[0], 253 / 255.0f, 0.01f);  // the GL clear colour follows at once
  // The fixture's program folder is named in Cyrillic; the language list still finds its files.
  std::vector<std::string> languages = languageNames();
  std::sort(languages.begin(), languages.end());
  EXPECT_EQ(languages, (std::vector<std::string>{"cz", "en"}));

  // Reopened and saved untouched, the pages give back what they were given, even a colour depth
  // the list does not offer.
  settings.bits = 15;
  dialog = new ConfigDialog();
  click(dialog->saveButton);
  expected.replace(expected.find("bits=32"), 7, "bits=15");
  EXPECT_EQ(readFile("config.conf"), expected);
}

// Cancel, Esc (where the focus is) and the close box leave the file and the settings as they
// were; a save to an unwritable file leaves the file too, keeps the settings in memory and is
// reported once, naming the file.
TEST_F(ConfigDialogTest, ClosingWithoutSavingAndSavingToAnUnwritableFileLeaveTheFile) {
  for (int closing = 0; closing < 4; ++closing) {
    SetFileAttributesA("config.conf", closing == 3 ? FILE_ATTRIBUTE_READONLY : FILE_ATTRIBUTE_NORMAL);
    openAndChange();
    if (closing == 0) click(dialog->cancelButton);
    if (closing == 1) SendMessageA(page<SoundPage>(3)->musicBox, WM_KEYUP, VK_ESCAPE, 0);
    if (closing == 2) SendMessageA(dialog->handle, WM_SYSCOMMAND, SC_CLOSE, 0);
    if (closing == 3) click(dialog->saveButton);
    EXPECT_FALSE(FindWindowA(dialogClass, nullptr)) << closing;
    EXPECT_EQ(readFile("config.conf"), before) << closing;
    const bool kept = !settings.music && settings.flipTime == 400 && settings.bits == 24,
               applied = settings.music && settings.flipTime == 500 && settings.bits == 32;
    EXPECT_TRUE(closing == 3 ? applied : kept) << closing;
  }
  ASSERT_EQ(threadWindows("MsgBox Window").size(), 1u);
  const std::wstring message = windowTextWide(child(FindWindowA("MsgBox Window", "Not saved"), "Static"));
  EXPECT_NE(utf8FromWide(message.c_str()).find(programFolder + "\\config.conf"), std::string::npos);
}

// A fresh install has no logs folder: the OpenGL extensions log makes it and opens the log.
TEST_F(ConfigDialogTest, TheExtensionsLogMakesAMissingLogsFolder) {
  removeFolder(programFolder + "\\logs");
  opened.clear();
  EXPECT_TRUE(GraphicsPage::writeExtensionsLog());
  EXPECT_NE(readFile("logs\\extensions.txt").find(reinterpret_cast<const char*>(glGetString(GL_VERSION))), std::string::npos);
  EXPECT_EQ(opened, std::vector<std::string>{programFolder + "\\logs\\extensions.txt"});
}
}  // namespace
