// The open photos dialog inside this process, with a GL window as the main window: what its
// controls store, when the settings are saved, and what run, cancel and Esc do to the show.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "app/logo_wheel.h"
#include "app/viewer_app.h"
#include "app/window_registry.h"
#include "dialogs/open_dialog.h"
#include "glui/gl_test_context.h"
#include "photos/photo_show.h"
#include "structure/settings.h"
#include "support/harness.h"

namespace {
class OpenDialogTest : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(context.ready());
    instance = GetModuleHandleA(nullptr);
    mainWindow = context.window;
    settings = Settings();
    settings.textureSize = 256;
    DeleteFileA("config.conf");
  }
  void TearDown() override {
    delete show;
    delete logo;
    mainWindow = nullptr;
  }

  // A new dialog; the object deletes itself with its window.
  HWND openDialog() {
    auto* dialog = new OpenDialog(&logo, &show);
    photoEdit = dialog->photoEdit;
    subFolders = dialog->subFoldersBox;
    effects = dialog->effectList;
    return dialog->handle;
  }

  GlTestContext context;
  LogoWheel* logo = nullptr;
  PhotoShow* show = nullptr;
  HWND photoEdit = nullptr, subFolders = nullptr, effects = nullptr;
};
}  // namespace

TEST_F(OpenDialogTest, TheEffectListOpensOnFadeOnlyForTheFadeCode) {
  const struct {
    int32_t effect;
    LRESULT entry;
  } cases[] = {{1112, 1}, {1111, 0}, {1113, 0}, {4242, 0}};
  for (const auto& c : cases) {
    settings.effect = c.effect;
    HWND dialog = openDialog();
    EXPECT_EQ(SendMessageA(effects, CB_GETCURSEL, 0, 0), c.entry) << c.effect;
    DestroyWindow(dialog);
  }
}

TEST_F(OpenDialogTest, CheckBoxesSaveAtOnceAndCancelEscAndCloseLeaveTheShow) {
  for (UINT closing : {0u, 1u, 2u}) {
    HWND dialog = openDialog();
    const bool before = settings.recursive;
    SendMessageA(subFolders, BM_CLICK, 0, 0);
    EXPECT_EQ(settings.recursive, !before);
    EXPECT_EQ(SendMessageA(subFolders, BM_GETCHECK, 0, 0), before ? BST_UNCHECKED : BST_CHECKED);
    EXPECT_NE(readFile("config.conf").find(before ? "recursive=false;" : "recursive=true;"),
              std::string::npos);
    SetWindowTextA(photoEdit, "C:\\elsewhere");
    if (closing == 0) SendMessageA(GetDlgItem(dialog, OpenDialog::cancelId), BM_CLICK, 0, 0);
    if (closing == 1) SendMessageA(dialog, WM_KEYUP, VK_ESCAPE, 0);
    if (closing == 2) SendMessageA(dialog, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(dialog)) << closing;
    EXPECT_EQ(show, nullptr);
    EXPECT_STREQ(settings.photoDir, "");  // the folder is stored only by run
  }
}

TEST_F(OpenDialogTest, RunStoresTheChoicesAndReplacesTheShowAndTheLogo) {
  logo = new LogoWheel(context.window);
  HWND dialog = openDialog();
  SendMessageA(effects, CB_SETCURSEL, 1, 0);
  SetWindowTextA(photoEdit, std::string(300, 'x').c_str());  // longer than the setting holds
  SendMessageA(GetDlgItem(dialog, OpenDialog::runId), BM_CLICK, 0, 0);
  EXPECT_FALSE(IsWindow(dialog));
  EXPECT_EQ(logo, nullptr);
  ASSERT_NE(show, nullptr);
  EXPECT_EQ(settings.effect, 1112);
  EXPECT_EQ(std::string(settings.photoDir), std::string(255, 'x'));
  EXPECT_NE(readFile("config.conf").find("effect=1112;"), std::string::npos);

  // A second run with an empty folder replaces that show by an empty one.
  show->distance = -3.0f;  // marks the first show
  dialog = openDialog();
  SetWindowTextA(photoEdit, "");
  SendMessageA(GetDlgItem(dialog, OpenDialog::runId), BM_CLICK, 0, 0);
  ASSERT_NE(show, nullptr);
  EXPECT_EQ(show->distance, -4.9f);
  EXPECT_EQ(show->loaded(), 0u);
  EXPECT_STREQ(settings.photoDir, "");
}
