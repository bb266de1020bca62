// The message box, the progress window and the shared dialog frame (tabs, links, closing
// rules), driven in-process with the messages a user's actions produce.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <atomic>
#include <memory>
#include <string>
#include <thread>

#include "app/viewer_app.h"
#include "app/window_registry.h"
#include "dialog_test_support.h"
#include "dialogs/dialog_page.h"
#include "dialogs/link_window.h"
#include "dialogs/message_box_window.h"
#include "dialogs/progress_window.h"
#include "tabbed_test_dialog.h"

namespace {
const bool environment = (installDialogEnvironment(), true);
using Answers = std::vector<std::pair<WPARAM, LPARAM>>;

void click(HWND dialog, const char* button) {
  SendMessageA(findChild(dialog, "Button", button), BM_CLICK, 0, 0);
}

TEST(MessageBoxAnswers, ButtonsEscAndCloseBox) {
  enum Action { yes, no, ok, escape, closeBox };
  struct Case {
    uint32_t buttons;
    bool requested;
    Action action;
    Answers expected;
  };
  const Case cases[] = {
      {1, true, yes, {{7, 2}}},     {1, true, no, {{7, 3}}},   {0, true, ok, {{7, 3}}},
      {5, true, ok, {{7, 3}}},      {1, true, escape, {{0, 3}}}, {1, true, closeBox, {}},
      {1, false, yes, {}},          {0, false, escape, {}},
  };
  MessageRecorder owner;
  const int registered = WindowRegistry::size();
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "buttons " << c.buttons << " action " << c.action);
    owner.received.clear();
    HWND box = (new MessageBoxWindow(owner.handle, "Caption", "Text", c.buttons, c.requested, 7))->handle;
    EXPECT_EQ(GetWindow(box, GW_OWNER), owner.handle);
    EXPECT_EQ(findChild(box, "Button", "Ano") != nullptr, c.buttons == 1);
    EXPECT_EQ(findChild(box, "Button", "OK") != nullptr, c.buttons != 1);
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

TEST(ProgressWindow, ShortensTheStatusIdlesAndDrags) {
  auto* progress = new ProgressWindow();
  HWND window = progress->handle;
  EXPECT_EQ(progress->statusText(), "Loading photos");
  const std::pair<std::string, std::string> statuses[] = {
      {"abcdefghijklmnopqr", "abcdefghijklmnopqr"},     // 18: whole
      {"abcdefghijklmnopqrs", "abcdefghijklmnopq..."},  // 19: 17 and "..."
      {std::string(500, 'x'), std::string(17, 'x') + "..."}};
  for (const auto& [text, shown] : statuses) {
    progress->setStatus(text.c_str());
    EXPECT_EQ(progress->statusText(), shown);
  }

  SendMessageA(progress->bar, PBM_SETPOS, 0, 0);
  std::vector<LRESULT> positions;
  for (int tick = 0; tick < 6; ++tick) {
    SendMessageA(window, WM_TIMER, 0, 0);
    positions.push_back(SendMessageA(progress->bar, PBM_GETPOS, 0, 0));
  }
  EXPECT_EQ(positions, (std::vector<LRESULT>{1, 2, 3, 4, 0, 1}));
  EXPECT_TRUE(waitFor([&] { return SendMessageA(progress->bar, PBM_GETPOS, 0, 0) != 1; }, 5000));

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

// The photo loader's way: a thread of its own creates, pumps and destroys the window while
// another thread sets the status and steps the bar.
TEST(ProgressWindow, RunsOnItsOwnThreadWhileAnotherUpdatesIt) {
  const int registered = WindowRegistry::size();
  std::atomic<ProgressWindow*> published{nullptr};
  HWND window = nullptr;
  DWORD threadId = 0;
  std::thread pump([&] {
    auto* created = new ProgressWindow();
    created->stopAnimation();
    SendMessageA(created->bar, PBM_SETRANGE32, 0, 8);
    SendMessageA(created->bar, PBM_SETSTEP, 1, 0);
    SendMessageA(created->bar, PBM_SETPOS, 0, 0);
    window = created->handle;
    threadId = GetCurrentThreadId();
    published = created;  // last: the test thread waits for it
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
    DestroyWindow(window);
  });
  ASSERT_TRUE(waitFor([&] { return published != nullptr; }));
  ProgressWindow* progress = published;
  EXPECT_EQ(GetWindowThreadProcessId(window, nullptr), threadId);
  for (int photo = 0; photo < 8; ++photo) {
    progress->setStatus(("photo_number_0" + std::to_string(photo) + ".jpg").c_str());
    SendMessageA(progress->bar, PBM_STEPIT, 0, 0);
  }
  EXPECT_EQ(progress->statusText(), "photo_number_07.j...");
  EXPECT_EQ(SendMessageA(progress->bar, PBM_GETPOS, 0, 0), 8);
  PostThreadMessageA(threadId, WM_QUIT, 0, 0);
  pump.join();
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(WindowRegistry::size(), registered);
}

std::vector<bool> visiblePages(const TabbedTestDialog& dialog) {
  std::vector<bool> shown;
  for (HWND page : dialog.pages) shown.push_back(IsWindowVisible(page) != FALSE);
  return shown;
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
  EXPECT_EQ(visiblePages(*first), (std::vector<bool>{true, false, false}));
  clickTab(first->tabs->control, 2);
  EXPECT_EQ(visiblePages(*first), (std::vector<bool>{false, false, true}));
  clickTab(first->tabs->control, 1);
  clickTab(first->tabs->control, 1);  // the current tab again changes nothing
  EXPECT_EQ(visiblePages(*first), (std::vector<bool>{false, true, false}));
  EXPECT_EQ(visiblePages(*second), (std::vector<bool>{true, false, false}));

  // Esc acts when released, also while a button has the focus; the other dialog stays.
  HWND closeButton = findChild(firstWindow, "Button", "Close");
  SetFocus(closeButton);
  SendMessageA(closeButton, WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_TRUE(IsWindow(firstWindow));
  SendMessageA(closeButton, WM_KEYUP, VK_ESCAPE, 0);
  EXPECT_FALSE(IsWindow(firstWindow));
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

TEST(DialogFrame, LinkNotifiesItsWindowAndTakesItsTooltipAlong) {
  auto* dialog = new TabbedTestDialog("Tabs");
  LinkWindow* link = dialog->link;
  HWND tooltip = link->tooltip;
  ASSERT_TRUE(IsWindow(tooltip));
  SendMessageA(link->handle, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  EXPECT_TRUE(link->pressed);
  SendMessageA(link->handle, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_FALSE(link->pressed);
  SendMessageA(link->handle, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));  // without a press: the same
  EXPECT_EQ(dialog->linkTargets, (std::vector<LPARAM>{42, 42}));
  DestroyWindow(dialog->handle);
  EXPECT_FALSE(IsWindow(tooltip));
}

}  // namespace
