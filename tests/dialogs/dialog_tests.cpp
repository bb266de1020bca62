// The message box, driven in-process with the messages a user's clicks and keys produce: the
// answer its owner receives, and an owner that closes itself on the answer.
#include <string>
#include <utility>

#include "dialog_test_support.h"
#include "dialogs/message_box_window.h"
#include "platform/window_registry.h"

namespace {
using Answers = std::vector<std::pair<WPARAM, LPARAM>>;
Answers answers;
bool ownerClosesOnAnswer = false;

// A hidden window that keeps every MSG_BOX_ANSWER, and destroys itself on one when asked to.
HWND makeOwner() {
  WNDCLASSA kind = {};
  kind.lpfnWndProc = [](HWND window, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
    if (message != MSG_BOX_ANSWER) return DefWindowProcA(window, message, wParam, lParam);
    answers.push_back({wParam, lParam});
    if (ownerClosesOnAnswer) DestroyWindow(window);
    return 0;
  };
  kind.hInstance = instance;
  kind.lpszClassName = "Ovix test owner";
  RegisterClassA(&kind);
  return CreateWindowA(kind.lpszClassName, "", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr, instance, nullptr);
}

// The last case's owner destroys itself, and the box with it, while the box is still answering:
// both windows go and nothing stays registered.
TEST(MessageBoxAnswers, ButtonsEscAndTheCloseBoxAndAnOwnerClosingOnTheAnswer) {
  const struct {
    uint32_t buttons;
    bool requested;
    std::string action;  // a button's text, "Esc" or "close box"
    Answers expected;
    bool ownerCloses;
  } cases[] = {{1, true, "Ano", {{7, 2}}, false}, {1, true, "Ne", {{7, 3}}, false}, {5, true, "OK", {{7, 3}}, false},
               {1, true, "Esc", {{0, 3}}, false}, {1, true, "close box", {}, false}, {1, false, "Ano", {}, false},
               {1, true, "Ne", {{7, 3}}, true}};
  HWND owner = makeOwner();
  const int registered = WindowRegistry::size();
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "buttons " << c.buttons << ", " << c.action);
    answers.clear();
    ownerClosesOnAnswer = c.ownerCloses;
    HWND box = (new MessageBoxWindow(owner, "Špatná cesta", "Cesta 'Q:\\Nikde' není platná.", c.buttons,
                                     c.requested, 7))->handle;
    SendMessageA(box, WM_KEYDOWN, VK_ESCAPE, 0);
    ASSERT_TRUE(IsWindow(box)) << "closed at Esc's key-down";
    if (c.action == "Esc") SendMessageA(box, WM_KEYUP, VK_ESCAPE, 0);
    else if (c.action == "close box") SendMessageA(box, WM_SYSCOMMAND, SC_CLOSE, 0);
    else click(child(box, "Button", c.action.c_str()));
    EXPECT_FALSE(IsWindow(box));
    EXPECT_EQ(IsWindow(owner) == FALSE, c.ownerCloses);
    EXPECT_EQ(answers, c.expected);
    EXPECT_EQ(WindowRegistry::size(), registered);
  }
}

}  // namespace
