// The message box, driven in-process with the messages a user's clicks and keys produce: the
// answer its owner receives, and an owner that closes itself on the answer.
#include <string>
#include <tuple>
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
  // Buttons, whether an answer is asked for, a button's text or "Esc" or "close box", the
  // answers the owner receives, whether the owner closes on its answer.
  const std::tuple<uint32_t, bool, std::string, Answers, bool> cases[] = {
      {1, true, "Ano", {{7, 2}}, false}, {1, true, "Ne", {{7, 3}}, false},         {5, true, "OK", {{7, 3}}, false},
      {1, true, "Esc", {{0, 3}}, false}, {1, true, "close box", {}, false},        {1, false, "Ano", {}, false},
      {1, true, "Ne", {{7, 3}}, true}};
  HWND owner = makeOwner();
  const int registered = WindowRegistry::size();
  for (const auto& [buttons, requested, action, expected, ownerCloses] : cases) {
    SCOPED_TRACE(testing::Message() << "buttons " << buttons << ", " << action);
    answers.clear();
    ownerClosesOnAnswer = ownerCloses;
    HWND box = (new MessageBoxWindow(owner, "Špatná cesta", "Cesta 'Q:\\Nikde' není platná.", buttons, requested, 7))->handle;
    SendMessageA(box, WM_KEYDOWN, VK_ESCAPE, 0);
    ASSERT_TRUE(IsWindow(box)) << "closed at Esc's key-down";
    if (action == "Esc") SendMessageA(box, WM_KEYUP, VK_ESCAPE, 0);
    else if (action == "close box") SendMessageA(box, WM_SYSCOMMAND, SC_CLOSE, 0);
    else click(child(box, "Button", action.c_str()));
    EXPECT_FALSE(IsWindow(box));
    EXPECT_EQ(IsWindow(owner) == FALSE, ownerCloses);
    EXPECT_EQ(answers, expected);
    EXPECT_EQ(WindowRegistry::size(), registered);
  }
}

}  // namespace
