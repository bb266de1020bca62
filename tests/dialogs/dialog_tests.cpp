// The message box, the progress window and the shared dialog frame (tabs, links, closing
// rules), driven in-process with the messages a user's actions produce, and screenshots of
// what the user sees (saved as PNGs beside the test log).
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstring>
#include <memory>
#include <string>

#include "app/viewer_app.h"
#include "platform/window_registry.h"
#include "dialogs/dialog_frame.h"
#include "dialogs/dialog_look.h"
#include "dialogs/dialog_page.h"
#include "dialogs/link_window.h"
#include "dialogs/message_box_window.h"
#include "dialogs/progress_window.h"
#include "structure/language.h"
#include "structure/settings.h"
#include "support/harness.h"
#include "dialog_test_support.h"

namespace {
using Answers = std::vector<std::pair<WPARAM, LPARAM>>;
// A scratch copy of the staged data and languages, with languages/test.lang chosen, as the
// current directory.
class DialogEnvironment : public ::testing::Environment {
public:
  void SetUp() override {
    instance = GetModuleHandleA(nullptr);
    settings.dialogFont = GetStockObject(DEFAULT_GUI_FONT);
    folder = makeScratchFolder("ovix-dialogs");
    copyFolder(stagedProgramFolder() + "\\data", folder + "\\data");
    copyFolder(stagedProgramFolder() + "\\languages", folder + "\\languages");
    ASSERT_TRUE(writeFile(folder + "\\languages\\test.lang",
                          "[Windows]\n  [Msg] yes = Ano; no = Ne; ok = OK; [/Msg]\n"
                          "  [Progress] text = \"Loading photos\"; [/Progress]\n"
                          "  [Tabs] title = \"Tabbed dialog\"; one = First; two = Second; three = Third; [/Tabs]\n"
                          "  [NoTitle] one = First; [/NoTitle]\n[/Windows]\n"));
    std::strcpy(settings.language, "test");
    char previous[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, previous);
    startFolder = previous;
    ASSERT_TRUE(SetCurrentDirectoryA(folder.c_str()));
  }
  void TearDown() override {
    SetCurrentDirectoryA(startFolder.c_str());
    removeFolder(folder);
  }
  std::string folder;
};
const auto* const environment = ::testing::AddGlobalTestEnvironment(new DialogEnvironment);

// A hidden top-level window that keeps every MSG_BOX_ANSWER and MSG_LINK_CLICKED it receives.
class MessageRecorder : public WindowBase {
public:
  MessageRecorder() {
    name = "Ovix test recorder";
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = name;
    RegisterClassExA(&windowClass);
    handle = CreateWindowExA(0, name, name, WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr, instance, nullptr);
  }
  ~MessageRecorder() override {
    // Deleted by the test while its window lives: no object may answer for the window any more.
    HWND window = handle;
    handle = nullptr;
    if (window) DestroyWindow(window);
  }
  LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == MSG_BOX_ANSWER || message == MSG_LINK_CLICKED) return received.push_back({wParam, lParam}), 0;
    HWND window = handle;
    if (message == WM_DESTROY) handle = nullptr;  // windowProc deletes the object next
    return DefWindowProcA(window, message, wParam, lParam);
  }
  Answers received;
};

// A tabbed dialog with three pages, a link and a close button, built the way Ovix's dialogs
// are; its texts come from the section Windows/<section> of the test language.
class TabbedTestDialog : public DialogFrame {
public:
  explicit TabbedTestDialog(const char* section)
      : DialogFrame("Ovix test dialog"), texts(openLanguage({"Windows", section})) {
    FrameLook look;
    look.width = 350;
    look.height = 265;
    look.iconIndex = 1;
    look.minimiseBox = true;
    look.header = HeaderStyle::large;
    look.picture = "./data/images/mirvak.bmp";
    if (!createFrame(look, texts->text("title").c_str())) return;
    addTabStrip();
    for (const char* key : {"one", "two", "three"}) {
      auto* page = new DialogPage(handle, "Ovix test page", width, height);
      pages.push_back(page->handle);
      addPage(texts->text(key).c_str(), page);
    }
    tabs->select(pages[0]);
    link = addLink("a link", 10, 200, 80);
    link->kind = LinkWindow::notifyKind;
    link->target = 42;
    link->notifyWindow = handle;
    link->attachTooltip("tip");
    ShowWindow(link->handle, SW_SHOW);
    addButton("Close", closeId, rightButtonX(), buttonY());
    show();
  }
  LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == MSG_LINK_CLICKED) return linkTargets.push_back(lParam), 0;
    if (message == WM_COMMAND && LOWORD(wParam) == closeId) return DestroyWindow(handle), 0;
    return DialogFrame::handleMessage(message, wParam, lParam);
  }
  std::vector<bool> visiblePages() const {
    std::vector<bool> shown;
    for (HWND page : pages) shown.push_back(IsWindowVisible(page) != FALSE);
    return shown;
  }

  static constexpr int closeId = 5;
  std::unique_ptr<Language> texts;
  std::vector<HWND> pages;
  std::vector<LPARAM> linkTargets;
  LinkWindow* link = nullptr;
};

void click(HWND dialog, const char* button) {
  SendMessageA(FindWindowExA(dialog, nullptr, "Button", button), BM_CLICK, 0, 0);
}

TEST(MessageBoxAnswers, ButtonsEscAndCloseBox) {
  enum Action { yes, no, ok, escape, closeBox };
  const struct {
    uint32_t buttons;
    bool requested;
    Action action;
    Answers expected;
  } cases[] = {
      {1, true, yes, {{7, 2}}},     {1, true, no, {{7, 3}}},     {0, true, ok, {{7, 3}}},
      {5, true, ok, {{7, 3}}},      {1, true, escape, {{0, 3}}}, {1, true, closeBox, {}},
      {1, false, yes, {}},          {0, false, escape, {}},
  };
  MessageRecorder owner;
  const int registered = WindowRegistry::size();
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "buttons " << c.buttons << " action " << c.action);
    owner.received.clear();
    HWND box = (new MessageBoxWindow(owner.handle, "Caption", "Text", c.buttons, c.requested, 7))->handle;
    EXPECT_EQ(GetWindow(box, GW_OWNER), owner.handle);
    EXPECT_EQ(FindWindowExA(box, nullptr, "Button", "Ano") != nullptr, c.buttons == 1);
    EXPECT_EQ(FindWindowExA(box, nullptr, "Button", "OK") != nullptr, c.buttons != 1);
    if (c.action == yes) click(box, "Ano");
    if (c.action == no) click(box, "Ne");
    if (c.action == ok) click(box, "OK");
    if (c.action == escape) {
      SendMessageA(box, WM_KEYDOWN, VK_ESCAPE, 0);
      EXPECT_TRUE(IsWindow(box)) << "closed at key-down";
      SendMessageA(box, WM_KEYUP, VK_ESCAPE, 0);
    }
    if (c.action == closeBox) SendMessageA(box, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_FALSE(IsWindow(box));
    EXPECT_EQ(owner.received, c.expected);
    EXPECT_EQ(WindowRegistry::size(), registered);
  }
}

// An owner that closes itself on the answer takes the box down with it; the box must not
// touch itself afterwards.
TEST(MessageBoxAnswers, OwnerClosingOnTheAnswerIsSafe) {
  struct ClosingOwner : MessageRecorder {
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
      if (message == MSG_BOX_ANSWER) return DestroyWindow(handle), 0;  // deletes this object
      return MessageRecorder::handleMessage(message, wParam, lParam);
    }
  };
  const int registered = WindowRegistry::size();
  HWND owner = (new ClosingOwner)->handle;
  HWND box = (new MessageBoxWindow(owner, "Caption", "Message", 1, true, 3))->handle;
  click(box, "Ne");
  EXPECT_FALSE(IsWindow(owner) || IsWindow(box));
  EXPECT_EQ(WindowRegistry::size(), registered);
}

// Pixels of [x0, x1) x [y0, y1) relative to `origin` within `tolerance` of `colour`.
int countColour(const Capture& capture, POINT origin, int x0, int y0, int x1, int y1, COLORREF colour,
                int tolerance = 0) {
  int count = 0;
  for (int y = origin.y + y0; y < origin.y + y1 && y < capture.height; ++y)
    for (int x = origin.x + x0; x < origin.x + x1 && x < capture.width; ++x) {
      uint32_t pixel = capture.at(x, y);
      count += std::abs(redOf(pixel) - GetRValue(colour)) <= tolerance &&
               std::abs(greenOf(pixel) - GetGValue(colour)) <= tolerance &&
               std::abs(blueOf(pixel) - GetBValue(colour)) <= tolerance;
    }
  return count;
}

constexpr COLORREF white = RGB(255, 255, 255);
// Ink (non-white pixels) in the 64x64 spot of a header picture.
int pictureInk(const Capture& capture, POINT client, int x, int y) {
  return 64 * 64 - countColour(capture, client, x, y, x + 64, y + 64, white, 8);
}

TEST(MessageBoxLayout, ALongMessageGrowsTheBoxAndWithoutLanguageFilesTheButtonsSpeakEnglish) {
  std::strcpy(settings.language, "none");  // neither none.lang, en.lang nor cz.lang is here
  const std::string sentence = "Ovix does not have enough memory to load the photos. Close all other programs. ";
  for (const std::string& message : {std::string("Text"), sentence + sentence + sentence}) {
    auto* box = new MessageBoxWindow(nullptr, "Caption", message.c_str(), 1, false, 0);
    HWND no = FindWindowExA(box->handle, nullptr, "Button", "No");
    EXPECT_TRUE(no && FindWindowExA(box->handle, nullptr, "Button", "Yes"));
    RECT text, button, outer;
    GetWindowRect(box->messageControl, &text);
    GetWindowRect(no, &button);
    GetWindowRect(box->handle, &outer);
    // The height the control needs for its text, wrapped in its own font at its own width.
    HDC dc = GetDC(box->messageControl);
    SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(box->messageControl, WM_GETFONT, 0, 0)));
    RECT needed = {0, 0, text.right - text.left, 0};
    DrawTextA(dc, message.c_str(), -1, &needed, DT_CALCRECT | DT_WORDBREAK);
    ReleaseDC(box->messageControl, dc);
    EXPECT_TRUE(text.bottom - text.top >= needed.bottom && text.bottom <= button.top);
    EXPECT_EQ(outer.bottom - outer.top == 190, message.size() < 10);  // only a long message grows the box
    DestroyWindow(box->handle);
  }
  std::strcpy(settings.language, "test");
}

TEST(ProgressWindow, ShowsTheShortenedStatusIdlesShowsItsLookAndDrags) {
  auto* progress = new ProgressWindow();
  HWND window = progress->handle;
  EXPECT_EQ(progress->statusText(), "Loading photos");
  progress->setStatus(std::string(500, 'x').c_str());
  EXPECT_EQ(progress->statusText(), std::string(17, 'x') + "...");

  SendMessageA(progress->bar, PBM_SETPOS, 0, 0);
  std::vector<LRESULT> positions;
  for (int tick = 0; tick < 6; ++tick) {
    SendMessageA(window, WM_TIMER, 0, 0);
    positions.push_back(SendMessageA(progress->bar, PBM_GETPOS, 0, 0));
  }
  EXPECT_EQ(positions, (std::vector<LRESULT>{1, 2, 3, 4, 0, 1}));
  EXPECT_TRUE(waitFor([&] { return SendMessageA(progress->bar, PBM_GETPOS, 0, 0) != 1; }, 5000));

  // What the user sees: the border, the picture and the status.
  Capture capture;
  POINT client;
  ASSERT_TRUE(captureWindow(window, "progress-window.png", capture, client));
  ASSERT_EQ(capture.width, 200);
  EXPECT_GT(countColour(capture, client, 0, 0, 200, 3, labelGrey, 2), 150);    // border
  EXPECT_GT(countColour(capture, client, 62, 4, 200, 28, labelGrey, 40), 20);  // status
  EXPECT_GT(pictureInk(capture, client, 2, 4), 200);

  // No caption, yet while the left button is down every point drags the window like one. The
  // button goes down in a screen corner, away from any window.
  RECT place;
  GetWindowRect(window, &place);
  const LPARAM inside = MAKELPARAM(place.left + 100, place.top + 10);
  EXPECT_EQ(SendMessageA(window, WM_NCHITTEST, 0, inside), HTCLIENT);
  SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
  INPUT press = {};
  press.type = INPUT_MOUSE;
  press.mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  SendInput(1, &press, sizeof press);
  ASSERT_TRUE(waitFor([] { return (GetAsyncKeyState(VK_LBUTTON) & 0x8000) != 0; }, 5000));
  EXPECT_EQ(SendMessageA(window, WM_NCHITTEST, 0, inside), HTCAPTION);
  press.mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(1, &press, sizeof press);
  ASSERT_TRUE(waitFor([] { return (GetAsyncKeyState(VK_LBUTTON) & 0x8000) == 0; }, 5000));
  DestroyWindow(window);
}

void clickTab(HWND tabControl, int index) {
  RECT item;
  SendMessageA(tabControl, TCM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&item));
  LPARAM at = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
  SendMessageA(tabControl, WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageA(tabControl, WM_LBUTTONUP, 0, at);
}

TEST(DialogFrame, TabsShowExactlyOnePageAndTwoDialogsAreIndependent) {
  const int registered = WindowRegistry::size();
  auto* first = new TabbedTestDialog("Tabs");
  auto* second = new TabbedTestDialog("Tabs");
  HWND firstWindow = first->handle, secondWindow = second->handle;
  EXPECT_EQ(windowText(firstWindow), "Tabbed dialog");
  EXPECT_EQ(first->visiblePages(), (std::vector<bool>{true, false, false}));
  clickTab(first->tabs->control, 2);
  EXPECT_EQ(first->visiblePages(), (std::vector<bool>{false, false, true}));
  clickTab(first->tabs->control, 1);
  clickTab(first->tabs->control, 1);  // the current tab again changes nothing
  EXPECT_EQ(first->visiblePages(), (std::vector<bool>{false, true, false}));
  EXPECT_EQ(second->visiblePages(), (std::vector<bool>{true, false, false}));

  // The link notifies its window, also on a release without a press.
  LinkWindow* link = first->link;
  HWND tooltip = link->tooltip;
  ASSERT_TRUE(IsWindow(tooltip));
  SendMessageA(link->handle, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageA(link->handle, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  SendMessageA(link->handle, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_FALSE(link->pressed);
  EXPECT_EQ(first->linkTargets, (std::vector<LPARAM>{42, 42}));

  // Esc acts when released, also while a button has the focus; the other dialog stays.
  HWND closeButton = FindWindowExA(firstWindow, nullptr, "Button", "Close");
  SetFocus(closeButton);
  SendMessageA(closeButton, WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_TRUE(IsWindow(firstWindow));
  SendMessageA(closeButton, WM_KEYUP, VK_ESCAPE, 0);
  EXPECT_FALSE(IsWindow(firstWindow));
  EXPECT_FALSE(IsWindow(tooltip));  // the link took its tooltip along
  click(secondWindow, "Close");
  EXPECT_FALSE(IsWindow(secondWindow));
  EXPECT_EQ(WindowRegistry::size(), registered);  // pages and links went with their dialogs
}

TEST(DialogFrame, MissingTitleGivesAnEmptyCaptionAndClosingActivatesTheMainWindow) {
  MessageRecorder mainStandIn;
  ShowWindow(mainStandIn.handle, SW_SHOW);
  mainWindow = mainStandIn.handle;
  HWND window = (new TabbedTestDialog("NoTitle"))->handle;
  EXPECT_EQ(GetWindow(window, GW_OWNER), mainWindow);
  EXPECT_EQ(windowText(window), "");
  UpdateWindow(window);  // paints an empty title
  SetActiveWindow(window);
  SendMessageA(window, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(GetActiveWindow(), mainStandIn.handle);
  mainWindow = nullptr;
}

TEST(Screenshots, HeaderBandsOfTheMessageBoxAndATabbedDialog) {
  const struct {
    const char* file;
    int bandBottom;
    POINT title, picture;
    int width;
  } cases[] = {{"message-box.png", 68, {70, 18}, {0, 1}, 300}, {"tabbed-dialog.png", 75, {85, 22}, {5, 5}, 350}};
  MessageRecorder owner;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    // One at a time: both are centred on the same spot.
    HWND window = c.width == 300 ? (new MessageBoxWindow(owner.handle, "Špatná cesta",
                                                         "Cesta 'Q:\\Nikde' není platnou cestou k souborům.",
                                                         1, false, 0))->handle
                                 : (new TabbedTestDialog("Tabs"))->handle;
    Capture capture;
    POINT client;
    ASSERT_TRUE(captureWindow(window, c.file, capture, client));
    // White band, its grey lower edge, the title in its colour, the button face below.
    EXPECT_GT(countColour(capture, client, c.title.x, 2, c.title.x + 120, 12, white), 1000);
    EXPECT_GT(countColour(capture, client, 0, c.bandBottom - 4, 280, c.bandBottom, labelGrey, 2), 280 * 3);
    EXPECT_GT(countColour(capture, client, c.title.x, c.title.y, c.title.x + 150, c.title.y + 30, titleColour, 24), 30);
    EXPECT_LT(countColour(capture, client, 5, 140, 100, 150, white), 10);
    EXPECT_GT(pictureInk(capture, client, c.picture.x, c.picture.y), 200);
    EXPECT_GT(pictureInk(capture, client, c.width - 70, c.picture.y), 200);  // frames.bmp
    if (c.width == 350) {  // the first page covers the tab control's white body
      EXPECT_GT(countColour(capture, client, 10, 110, 300, 180, GetSysColor(COLOR_BTNFACE)), 290 * 63);
    }
    DestroyWindow(window);
  }
}

}  // namespace
