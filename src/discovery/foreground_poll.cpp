// Timer1: follows the foreground window and chooses the target the assistant types into.
#include "app/main_form.h"
#include "discovery/window_text.h"

namespace sorelka {

namespace {
// Buffers of 200 bytes: at most 199 bytes of text each.
constexpr std::size_t kClassNameMaxBytes = 199;
constexpr std::size_t kTitleMaxBytes = 199;
constexpr std::size_t kTargetTitleChars = 25;

constexpr TextView kMessengerPrefix = u"IMWindowClass";
constexpr TextView kFramePrefix = u"IEFrame";
// Our own confirmation box is titled so; any window titled so is passed over alike.
constexpr TextView kConfirmPrefix = u"確認";
}  // namespace

void MainForm::Timer1Tick() {
  Hwnd window = desktop_.ForegroundWindow();
  // An idle tick ends here: a window is examined once each time it comes to the front.
  if (window == lastForeground) return;

  const Text className = ReadClassName(desktop_, window, kClassNameMaxBytes);
  const Text title = ReadWindowText(desktop_, window, kTitleMaxBytes);
  // Neither updates lastForeground, so returning to the same chat window examines nothing.
  if (StartsWith(title, kConfirmPrefix)) return;
  if (window == form_.WindowHandle()) return;
  lastForeground = window;

  if (StartsWith(className, kMessengerPrefix)) {
    chatTarget.SendButton = desktop_.FindChildA(window, "button", nullptr);
    chatTarget.Kind = KindMessenger;
    chatTarget.ClassName = className;
    chatTarget.Title = title.substr(0, kTargetTitleChars);
    chatTarget.InputWindow = window;
    ShowTargetStatus(chatTarget);
    EnableSendOptions(true);
    return;
  }

  if (StartsWith(className, kFramePrefix)) {
    // On failure the lookup leaves 0 in `window`: the frame becomes an unknown target with no
    // input window.
    ChatTarget result = LookupChatWindow(desktop_, Text(kFramePrefix), window);
    if (result.Found != kFalse) {
      chatTarget = result;
      ShowTargetStatus(result);
      EnableSendOptions(true);
      return;
    }
    EnableSendOptions(false);
  }

  // An untitled window (or nothing in front) leaves the target as it was.
  if (title.empty()) return;
  EnableSendOptions(false);
  chatTarget.Kind = KindUnknown;
  chatTarget.ClassName = className;
  chatTarget.Title = title.substr(0, kTargetTitleChars);
  chatTarget.InputWindow = window;
  ShowTargetStatus(chatTarget);
}

}  // namespace sorelka
