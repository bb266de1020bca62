// The message box, the progress window and the shared dialog frame (tabs, links, closing
// rules), driven in-process with the messages a user's actions produce.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <string>
#include <thread>

#include "app/viewer_app.h"
#include "app/window_registry.h"
#include "dialog_test_support.h"
#include "dialogs/dialog_frame.h"
#include "dialogs/dialog_page.h"
#include "dialogs/link_window.h"
#include "dialogs/message_box_window.h"
#include "dialogs/progress_window.h"
#include "structure/language.h"

namespace {
const bool environment = (installDialogEnvironment(), true);

using Received = MessageRecorder::Received;

HWND buttonWithText(HWND dialog, const char* text) {
  for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    char className[64];
    GetClassNameA(child, className, sizeof className);
    if (lstrcmpiA(className, "Button") == 0 && windowText(child) == text) return child;
  }
  return nullptr;
}

int countButtons(HWND dialog) {
  int count = 0;
  for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    char className[64];
    GetClassNameA(child, className, sizeof className);
    if (lstrcmpiA(className, "Button") == 0) ++count;
  }
  return count;
}

// ---------------------------------------------------------------- message box

enum class Action { clickYes, clickNo, clickOk, escape, closeBox };

TEST(MessageBoxAnswers, AnswersByButtonEscAndCloseBox) {
  struct Case {
    const char* what;
    uint32_t buttons;
    bool requested;
    Action action;
    std::vector<Received> expected;
  };
  const Case cases[] = {
      {"yes", 1, true, Action::clickYes, {{MSG_BOX_ANSWER, 7, 2}}},
      {"no", 1, true, Action::clickNo, {{MSG_BOX_ANSWER, 7, 3}}},
      {"lone ok", 0, true, Action::clickOk, {{MSG_BOX_ANSWER, 7, 3}}},
      {"ok of another button count", 5, true, Action::clickOk, {{MSG_BOX_ANSWER, 7, 3}}},
      {"Esc answers 3 with id 0", 1, true, Action::escape, {{MSG_BOX_ANSWER, 0, 3}}},
      {"close box sends nothing", 1, true, Action::closeBox, {}},
      {"no answer requested", 1, false, Action::clickYes, {}},
      {"Esc without answer requested", 0, false, Action::escape, {}},
  };
  MessageRecorder owner;
  const int registered = WindowRegistry::size();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    owner.received.clear();
    auto* box = new MessageBoxWindow(owner.handle, "Caption", "Message text", c.buttons,
                                     c.requested, 7);
    HWND window = box->handle;
    ASSERT_TRUE(IsWindowVisible(window));
    EXPECT_EQ(GetWindow(window, GW_OWNER), owner.handle);
    EXPECT_EQ(countButtons(window), c.buttons == 1 ? 2 : 1);
    switch (c.action) {
      case Action::clickYes: SendMessageA(buttonWithText(window, "Ano"), BM_CLICK, 0, 0); break;
      case Action::clickNo: SendMessageA(buttonWithText(window, "Ne"), BM_CLICK, 0, 0); break;
      case Action::clickOk: SendMessageA(buttonWithText(window, "OK"), BM_CLICK, 0, 0); break;
      case Action::escape:
        SendMessageA(window, WM_KEYDOWN, VK_ESCAPE, 0);
        EXPECT_TRUE(IsWindow(window)) << "closed at key-down";
        SendMessageA(window, WM_KEYUP, VK_ESCAPE, 0);
        break;
      case Action::closeBox: SendMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0); break;
    }
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(owner.received, c.expected);
    EXPECT_EQ(WindowRegistry::size(), registered);
  }
}

TEST(MessageBoxAnswers, ShowsItsTextsAndTwoBoxesAreIndependent) {
  MessageRecorder owner;
  auto* first = new MessageBoxWindow(owner.handle, "First box", "One", 1, true, 1);
  auto* second = new MessageBoxWindow(owner.handle, "Second box", "Two", 1, true, 2);
  HWND firstWindow = first->handle, secondWindow = second->handle;
  EXPECT_EQ(windowText(firstWindow), "First box");
  EXPECT_EQ(windowText(second->messageControl), "Two");
  RECT place;
  GetWindowRect(firstWindow, &place);
  EXPECT_EQ(place.right - place.left, 300);
  EXPECT_EQ(place.bottom - place.top, 190);
  EXPECT_EQ(place.left, (GetSystemMetrics(SM_CXSCREEN) - 300) / 2);
  EXPECT_EQ(place.top, (GetSystemMetrics(SM_CYSCREEN) - 100 - 190) / 2);
  EXPECT_FALSE(GetWindowLongA(firstWindow, GWL_STYLE) & WS_MINIMIZEBOX);

  // Esc released while a button has the keyboard focus still reaches the box.
  SetFocus(first->firstButton);
  SendMessageA(first->firstButton, WM_KEYUP, VK_ESCAPE, 0);
  EXPECT_FALSE(IsWindow(firstWindow));
  ASSERT_TRUE(IsWindow(secondWindow));
  SendMessageA(buttonWithText(secondWindow, "Ano"), BM_CLICK, 0, 0);
  EXPECT_FALSE(IsWindow(secondWindow));
  const std::vector<Received> expected = {{MSG_BOX_ANSWER, 0, 3}, {MSG_BOX_ANSWER, 2, 2}};
  EXPECT_EQ(owner.received, expected);
}

// An owner that closes itself on the answer takes the box down with it; the box must not
// touch itself afterwards.
TEST(MessageBoxAnswers, OwnerClosingOnTheAnswerIsSafe) {
  struct ClosingOwner : MessageRecorder {
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
      if (message == MSG_BOX_ANSWER) {
        DestroyWindow(handle);  // windowProc deletes this object
        return 0;
      }
      return MessageRecorder::handleMessage(message, wParam, lParam);
    }
  };
  const int registered = WindowRegistry::size();
  auto* owner = new ClosingOwner;
  HWND ownerWindow = owner->handle;
  auto* box = new MessageBoxWindow(ownerWindow, "Caption", "Message", 1, true, 3);
  HWND window = box->handle;
  SendMessageA(buttonWithText(window, "Ne"), BM_CLICK, 0, 0);
  EXPECT_FALSE(IsWindow(ownerWindow));
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(WindowRegistry::size(), registered);
}

// ---------------------------------------------------------------- progress window

TEST(ProgressWindow, ShortensTheStatusAndIdlesOverFivePositions) {
  const int registered = WindowRegistry::size();
  auto* progress = new ProgressWindow();
  HWND window = progress->handle;
  ASSERT_TRUE(IsWindowVisible(window));
  EXPECT_EQ(progress->statusText(), "Loading photos");
  EXPECT_TRUE(progress->animated);
  EXPECT_TRUE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
  EXPECT_FALSE(GetWindowLongA(window, GWL_STYLE) & WS_CAPTION);

  struct Case {
    std::string text, shown;
  };
  const Case cases[] = {
      {"", ""},
      {"abcdefghijklmnopqr", "abcdefghijklmnopqr"},       // 18: whole
      {"abcdefghijklmnopqrs", "abcdefghijklmnopq..."},    // 19: 17 and "..."
      {std::string(500, 'x'), std::string(17, 'x') + "..."},
  };
  for (const Case& c : cases) {
    progress->setStatus(c.text.c_str());
    EXPECT_EQ(progress->statusText(), c.shown) << c.text.size();
  }

  // Each idle tick moves the bar one on and wraps after 4.
  SendMessageA(progress->bar, PBM_SETPOS, 0, 0);
  std::vector<LRESULT> positions;
  for (int tick = 0; tick < 6; ++tick) {
    SendMessageA(window, WM_TIMER, 0, 0);
    positions.push_back(SendMessageA(progress->bar, PBM_GETPOS, 0, 0));
  }
  EXPECT_EQ(positions, (std::vector<LRESULT>{1, 2, 3, 4, 0, 1}));
  // ... and the real timer drives it.
  const LRESULT start = SendMessageA(progress->bar, PBM_GETPOS, 0, 0);
  EXPECT_TRUE(waitFor([&] { return SendMessageA(progress->bar, PBM_GETPOS, 0, 0) != start; }, 5000));

  // No caption, yet while the left button is down every point of it drags it like one. The
  // button goes down in a screen corner, away from any window, so nothing else reacts.
  RECT place;
  GetWindowRect(window, &place);
  const LPARAM inside = MAKELPARAM(place.left + 100, place.top + 10);
  EXPECT_EQ(SendMessageA(window, WM_NCHITTEST, 0, inside), HTCLIENT);
  SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
  INPUT press = {};
  press.type = INPUT_MOUSE;
  press.mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  ASSERT_EQ(SendInput(1, &press, sizeof press), 1u);
  ASSERT_TRUE(waitFor([] { return (GetAsyncKeyState(VK_LBUTTON) & 0x8000) != 0; }, 5000));
  EXPECT_EQ(SendMessageA(window, WM_NCHITTEST, 0, inside), HTCAPTION);
  press.mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(1, &press, sizeof press);
  ASSERT_TRUE(waitFor([] { return (GetAsyncKeyState(VK_LBUTTON) & 0x8000) == 0; }, 5000));

  DestroyWindow(window);
  EXPECT_EQ(WindowRegistry::size(), registered);
}

// The photo loader's way: a thread of its own creates, pumps and destroys the window while
// another thread sets the status and steps the bar.
TEST(ProgressWindow, RunsOnItsOwnThreadWhileAnotherUpdatesIt) {
  const int registered = WindowRegistry::size();
  ProgressWindow* progress = nullptr;
  HANDLE ready = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  DWORD threadId = 0;
  std::thread pump([&] {
    threadId = GetCurrentThreadId();
    progress = new ProgressWindow();
    progress->stopAnimation();
    SendMessageA(progress->bar, PBM_SETRANGE32, 0, 8);
    SendMessageA(progress->bar, PBM_SETSTEP, 1, 0);
    SendMessageA(progress->bar, PBM_SETPOS, 0, 0);
    HWND window = progress->handle;
    SetEvent(ready);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
    DestroyWindow(window);
  });
  ASSERT_EQ(WaitForSingleObject(ready, 30000), WAIT_OBJECT_0);
  HWND window = progress->handle;
  EXPECT_EQ(GetWindowThreadProcessId(window, nullptr), threadId);
  EXPECT_FALSE(progress->animated);
  EXPECT_FALSE(GetWindowLongA(progress->bar, GWL_STYLE) & PBS_MARQUEE);
  for (int photo = 0; photo < 8; ++photo) {
    std::string name = "photo_number_0" + std::to_string(photo) + ".jpg";
    progress->setStatus(name.c_str());
    SendMessageA(progress->bar, PBM_STEPIT, 0, 0);
  }
  EXPECT_EQ(progress->statusText(), "photo_number_07.j...");
  EXPECT_EQ(SendMessageA(progress->bar, PBM_GETPOS, 0, 0), 8);
  PostThreadMessageA(threadId, WM_QUIT, 0, 0);
  pump.join();
  CloseHandle(ready);
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(WindowRegistry::size(), registered);
}

// ---------------------------------------------------------------- dialog frame

class TestPage : public DialogPage {
public:
  using DialogPage::DialogPage;
};

// A tabbed dialog with a link, built the way the real dialogs are.
class TabbedDialog : public DialogFrame {
public:
  explicit TabbedDialog(const char* section) : DialogFrame("Ovix test dialog") {
    texts = openLanguage({"Windows", section});
    FrameLook look;
    look.width = 350;
    look.height = 265;
    look.iconIndex = 1;
    look.minimiseBox = true;
    look.header = HeaderStyle::large;
    look.picture = "./data/images/mirvak.bmp";
    if (!createFrame(look, texts->text("title").c_str())) return;
    addTabStrip();
    const char* keys[] = {"one", "two", "three"};
    for (const char* key : keys) {
      auto* page = new TestPage(handle, "Ovix test page", width, height);
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
    closeButton = addButton("Close", 5, rightButtonX(), buttonY());
    show();
  }
  LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == MSG_LINK_CLICKED) {
      linkTargets.push_back(lParam);
      return 0;
    }
    if (message == WM_COMMAND && LOWORD(wParam) == 5) {
      DestroyWindow(handle);
      return 0;
    }
    return DialogFrame::handleMessage(message, wParam, lParam);
  }
  std::unique_ptr<Language> texts;
  std::vector<HWND> pages;
  std::vector<LPARAM> linkTargets;
  LinkWindow* link = nullptr;
  HWND closeButton = nullptr;
};

std::vector<bool> visiblePages(const TabbedDialog& dialog) {
  std::vector<bool> shown;
  for (HWND page : dialog.pages) shown.push_back(IsWindowVisible(page) != FALSE);
  return shown;
}

void clickTab(HWND tabControl, int index) {
  RECT item;
  ASSERT_TRUE(SendMessageA(tabControl, TCM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&item)));
  LPARAM at = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
  SendMessageA(tabControl, WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageA(tabControl, WM_LBUTTONUP, 0, at);
}

TEST(DialogFrame, TabsShowExactlyOnePage) {
  const int registered = WindowRegistry::size();
  auto* dialog = new TabbedDialog("Tabs");
  HWND window = dialog->handle;
  ASSERT_TRUE(IsWindowVisible(window));
  EXPECT_EQ(windowText(window), "Tabbed dialog");
  EXPECT_TRUE(GetWindowLongA(window, GWL_STYLE) & WS_MINIMIZEBOX);
  HWND tabControl = dialog->tabs->control;
  EXPECT_EQ(SendMessageA(tabControl, TCM_GETITEMCOUNT, 0, 0), 3);
  EXPECT_EQ(visiblePages(*dialog), (std::vector<bool>{true, false, false}));
  RECT page;
  GetWindowRect(dialog->pages[0], &page);
  EXPECT_EQ(page.right - page.left, 350 - 14);
  EXPECT_EQ(page.bottom - page.top, 265 - 174);

  clickTab(tabControl, 2);
  EXPECT_EQ(SendMessageA(tabControl, TCM_GETCURSEL, 0, 0), 2);
  EXPECT_EQ(visiblePages(*dialog), (std::vector<bool>{false, false, true}));
  clickTab(tabControl, 1);
  EXPECT_EQ(visiblePages(*dialog), (std::vector<bool>{false, true, false}));
  clickTab(tabControl, 1);  // the current tab again changes nothing
  EXPECT_EQ(visiblePages(*dialog), (std::vector<bool>{false, true, false}));

  SendMessageA(dialog->closeButton, BM_CLICK, 0, 0);
  EXPECT_FALSE(IsWindow(window));
  // Pages and link went with the dialog.
  EXPECT_EQ(WindowRegistry::size(), registered);
}

TEST(DialogFrame, EscClosesAtKeyUpAndDialogsAreIndependent) {
  const int registered = WindowRegistry::size();
  auto* first = new TabbedDialog("Tabs");
  auto* second = new TabbedDialog("Tabs");
  HWND firstWindow = first->handle, secondWindow = second->handle;
  HWND secondTabs = second->tabs->control;

  SendMessageA(firstWindow, WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_TRUE(IsWindow(firstWindow));
  SendMessageA(first->pages[0], WM_KEYUP, VK_ESCAPE, 0);  // released on a page
  EXPECT_FALSE(IsWindow(firstWindow));

  // The other one still switches tabs and closes by WM_CLOSE.
  ASSERT_TRUE(IsWindow(secondWindow));
  clickTab(secondTabs, 1);
  EXPECT_EQ(visiblePages(*second), (std::vector<bool>{false, true, false}));
  SendMessageA(secondWindow, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(secondWindow));
  EXPECT_EQ(WindowRegistry::size(), registered);
}

TEST(DialogFrame, MissingTitleGivesAnEmptyCaptionAndTheDialogWorks) {
  auto* dialog = new TabbedDialog("NoTitle");
  HWND window = dialog->handle;
  ASSERT_TRUE(IsWindow(window));
  EXPECT_EQ(windowText(window), "");
  EXPECT_EQ(SendMessageA(dialog->tabs->control, TCM_GETITEMCOUNT, 0, 0), 3);
  UpdateWindow(window);  // paints an empty title
  SendMessageA(window, WM_KEYUP, VK_ESCAPE, 0);
  EXPECT_FALSE(IsWindow(window));
}

TEST(DialogFrame, LinkNotifiesItsWindowAndTakesItsTooltipAlong) {
  auto* dialog = new TabbedDialog("Tabs");
  HWND window = dialog->handle;
  LinkWindow* link = dialog->link;
  HWND tooltip = link->tooltip;
  ASSERT_TRUE(IsWindow(tooltip));
  RECT place;
  GetClientRect(link->handle, &place);
  EXPECT_EQ(place.bottom, 15);

  SendMessageA(link->handle, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  EXPECT_TRUE(link->pressed);
  SendMessageA(link->handle, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_FALSE(link->pressed);
  SendMessageA(link->handle, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));  // without a press: the same
  EXPECT_EQ(dialog->linkTargets, (std::vector<LPARAM>{42, 42}));

  DestroyWindow(window);
  EXPECT_FALSE(IsWindow(tooltip));
}

TEST(DialogFrame, LargeHeaderBandAboveTheTabs) {
  auto* dialog = new TabbedDialog("Tabs");
  HWND window = dialog->handle;
  Capture capture;
  ASSERT_TRUE(captureWindow(window, capture));
  capture.savePng(testOutputFolder() + "\\tabbed-dialog.png");
  RECT place;
  GetWindowRect(window, &place);
  POINT client = {0, 0};
  ClientToScreen(window, &client);
  const int x = client.x - place.left, y = client.y - place.top;
  // The large band ends at 75 with its grey line; the title starts at (85, 22).
  EXPECT_GT(countColour(capture, x, y + 71, x + 300, y + 77, RGB(197, 197, 197), 2), 300 * 3);
  EXPECT_GT(countColour(capture, x + 85, y + 18, x + 260, y + 52, RGB(109, 138, 171), 24), 30);
  EXPECT_EQ(countColour(capture, x + 5, y + 50, x + 80, y + 60, RGB(255, 255, 255)) < 75 * 10,
            GetFileAttributesA("./data/images/mirvak.bmp") != INVALID_FILE_ATTRIBUTES);
  // The first page lies above the tab control's white body and shows the button face.
  const uint32_t face = GetSysColor(COLOR_BTNFACE);
  EXPECT_GT(countColour(capture, x + 10, y + 110, x + 300, y + 180, face), 290 * 70 * 9 / 10);
  DestroyWindow(window);
}

}  // namespace
