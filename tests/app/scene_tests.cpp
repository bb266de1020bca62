// The idle scene: background, logo wheel and help picture in a GL context of their own, and
// the scene as Ovix shows it after start-up, read back from the screen.
#include <gtest/gtest.h>

#include <windows.h>
#include <GL/gl.h>

#include <cstring>
#include <string>

#include "app/help_picture.h"
#include "app/logo_wheel.h"
#include "app/program_info.h"
#include "app/scene_background.h"
#include "glui/gl_test_context.h"
#include "support/harness.h"

namespace {
// Runs a test with the given folder as current directory, as Ovix runs in its program folder.
class InFolder {
public:
  explicit InFolder(const std::string& folder) {
    GetCurrentDirectoryA(MAX_PATH, previous);
    SetCurrentDirectoryA(folder.c_str());
  }
  ~InFolder() { SetCurrentDirectoryA(previous); }

private:
  char previous[MAX_PATH] = {};
};
}  // namespace

TEST(SceneObjects, LoadTheirPicturesAndReleaseWhatTheyMade) {
  GlTestContext gl;
  ASSERT_TRUE(gl.ready());
  InFolder programFolder(stagedProgramFolder());

  auto* background = new SceneBackground(gl.window);
  auto* wheel = new LogoWheel(gl.window);
  auto* help = new HelpPicture();
  EXPECT_TRUE(glIsTexture(background->picture.texture));
  EXPECT_TRUE(glIsList(background->picture.list));
  EXPECT_TRUE(glIsTexture(wheel->picture.texture));
  EXPECT_TRUE(glIsList(wheel->picture.list));
  ASSERT_NE(wheel->font, nullptr);
  EXPECT_TRUE(glIsTexture(help->picture.texture));
  EXPECT_TRUE(glIsList(help->picture.list));

  const GLuint lists[3] = {background->picture.list, wheel->picture.list, help->picture.list};
  const GLuint textures[3] = {background->picture.texture, wheel->picture.texture, help->picture.texture};
  const GLuint fontLists = wheel->font->listBase;
  delete background;
  delete wheel;
  delete help;
  for (int i = 0; i < 3; ++i) {
    EXPECT_FALSE(glIsList(lists[i])) << i;
    EXPECT_FALSE(glIsTexture(textures[i])) << i;
  }
  EXPECT_FALSE(glIsList(fontLists));
}

TEST(SceneObjects, WithoutPicturesNothingIsDrawnAndNothingFails) {
  GlTestContext gl;
  ASSERT_TRUE(gl.ready());
  const std::string empty = makeScratchFolder("ovix-scene");
  {
    InFolder emptyFolder(empty);
    SceneBackground background(gl.window);
    LogoWheel wheel(gl.window);
    HelpPicture help;
    EXPECT_EQ(background.picture.texture, 0u);
    EXPECT_EQ(background.picture.list, 0u);
    EXPECT_EQ(wheel.picture.list, 0u);
    EXPECT_NE(wheel.font, nullptr);  // the text line is still drawn
    EXPECT_EQ(help.picture.list, 0u);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    background.draw();
    wheel.draw();
    help.draw();
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
  }
  removeFolder(empty);
}

TEST(LogoWheel, ShowsTheWebSiteThenTheCreditsWithTheRenderer) {
  GlTestContext gl;
  ASSERT_TRUE(gl.ready());
  LogoWheel wheel(gl.window);

  // Web site first, the credits line from frame 300 on; the count stops at 301.
  for (int i = 0; i < 299; ++i) wheel.spin();
  EXPECT_STREQ(wheel.caption(), webSiteAddress);
  wheel.spin();
  EXPECT_EQ(wheel.frames, 300u);
  EXPECT_STREQ(wheel.caption(), wheel.credits);
  for (int i = 0; i < 50; ++i) wheel.spin();
  EXPECT_EQ(wheel.frames, 301u);

  const char* renderer = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
  ASSERT_NE(renderer, nullptr);
  EXPECT_EQ(std::string(wheel.credits), std::string(programVersion) + " " + programCredits + ", " + renderer);
  EXPECT_LT(std::strlen(wheel.credits), sizeof wheel.credits);
}

namespace {
// Pixel statistics of a rectangle of a capture.
struct Area {
  int lit = 0;        // pixels brighter than 100 in some channel
  int faint = 0;      // pixels neither black nor lit
  int rightmost = -1; // x of the rightmost lit pixel
};
Area look(const Capture& capture, int left, int top, int right, int bottom) {
  Area area;
  for (int y = top; y < bottom; ++y)
    for (int x = left; x < right; ++x) {
      const uint32_t p = capture.at(x, y);
      const int brightest = std::max(redOf(p), std::max(greenOf(p), blueOf(p)));
      if (brightest > 100) {
        ++area.lit;
        if (x > area.rightmost) area.rightmost = x;
      } else if (brightest > 0) {
        ++area.faint;
      }
    }
  return area;
}
}  // namespace

TEST(IdleScene, ShowsTheFaintBackgroundTheTurningWheelAndTheCredits) {
  OvixProcess ovix;
  ASSERT_TRUE(ovix.start());
  ASSERT_TRUE(ovix.waitForWindow());
  Capture first;
  // The wheel in the middle of the view.
  ASSERT_TRUE(waitFor([&] {
    if (!ovix.captureClient(first) || first.width < 200) return false;
    const int cx = first.width / 2, cy = first.height / 2;
    return look(first, cx - 40, cy - 40, cx + 40, cy + 40).lit > 1000;
  }));
  first.savePng("idle-scene.png");
  const int w = first.width, h = first.height;

  // The background: dim, but not the bare clear colour, even in the corner (lower right:
  // nothing else is drawn there).
  const Area corner = look(first, w * 4 / 5, h * 4 / 5, w, h);
  EXPECT_EQ(corner.lit, 0);
  EXPECT_GT(corner.faint, (w / 5) * (h / 5) / 2);

  // The wheel turns: its picture changes from frame to frame.
  const int cx = w / 2, cy = h / 2, r = h / 5;
  EXPECT_TRUE(waitFor([&] {
    Capture later;
    if (!ovix.captureClient(later)) return false;
    int changed = 0;
    for (int y = cy - r; y < cy + r; y += 2)
      for (int x = cx - r; x < cx + r; x += 2)
        if (later.at(x, y) != first.at(x, y)) ++changed;
    return changed > 200;
  }));

  // The credits line in the lower left, far longer than the web address shown first.
  Capture credits;
  EXPECT_TRUE(waitFor([&] {
    return ovix.captureClient(credits) && look(credits, 0, h * 3 / 4, w / 2, h).rightmost > w / 4;
  }));
  credits.savePng("idle-scene-credits.png");
  const Area text = look(credits, 0, h * 3 / 4, w / 2, h);
  EXPECT_GT(text.lit, 100);

  PostMessageA(ovix.window(), WM_CLOSE, 0, 0);
  DWORD exitCode = 99;
  EXPECT_TRUE(ovix.waitForExit(30000, &exitCode));
  EXPECT_EQ(exitCode, 0u);
}
