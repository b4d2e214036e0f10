#include "discovery/target_discovery.h"

#include "discovery/window_text.h"
#include "platform/shared_names.h"

namespace sorelka {

namespace {
// Buffers of 200 bytes: at most 199 bytes of text each.
constexpr std::size_t kClassNameMaxBytes = 199;
constexpr std::size_t kTitleMaxBytes = 199;
constexpr std::size_t kTargetTitleChars = 25;

constexpr TextView kMessengerPrefix = u"IMWindowClass";
constexpr TextView kDialogClass = u"#32770";
}  // namespace

TargetChange TargetDiscovery::Tick(Hwnd ownWindow) {
  const Hwnd window = desktop_.ForegroundWindow();
  // An idle tick ends here: a window is examined once each time it comes to the front.
  if (window == lastForeground_) return TargetChange::None;
  // No window in front: nothing to read (Wine hands back stale bytes for the title of
  // window 0), and the target stays as it was.
  if (window == 0) {
    lastForeground_ = 0;
    return TargetChange::None;
  }

  // Neither the assistant itself nor a "確認" box updates lastForeground_, so returning to the
  // same chat window examines nothing. The assistant is told by its handle before any read:
  // while it stays in front, every tick would read it again.
  if (window == ownWindow) return TargetChange::None;
  const Text className = ReadClassName(desktop_, window, kClassNameMaxBytes);
  const Text title = ReadWindowText(desktop_, window, kTitleMaxBytes);
  if (StartsWith(title, kConfirmTitle)) return TargetChange::None;
  // The program's own message boxes are passed over alike; its other windows are not.
  if (className == kDialogClass && desktop_.OwnerOf(window) == ownWindow && desktop_.IsOwnProcess(window))
    return TargetChange::None;
  lastForeground_ = window;

  if (StartsWith(className, kMessengerPrefix)) {
    target_.SendButton = desktop_.FindChildA(window, "button", nullptr);
    target_.Kind = KindMessenger;
    target_.ClassName = className;
    target_.Title = title.substr(0, kTargetTitleChars);
    target_.InputWindow = window;
    return TargetChange::ChatChosen;
  }

  Hwnd input = window;
  bool disabled = false;
  if (StartsWith(className, kFramePrefix)) {
    ChatTarget found = LookupChatWindow(desktop_, className, window);
    if (found.Found != kFalse) {
      target_ = found;
      return TargetChange::ChatChosen;
    }
    input = found.InputWindow;  // 0: nothing can be typed into a page without the chat
    disabled = true;
  }

  // An untitled window (or nothing in front) leaves the target as it was.
  if (title.empty()) return disabled ? TargetChange::SendingDisabled : TargetChange::None;
  target_.Kind = KindUnknown;
  target_.ClassName = className;
  target_.Title = title.substr(0, kTargetTitleChars);
  target_.InputWindow = input;
  return TargetChange::UnknownChosen;
}

// The poll never records the main window or its message boxes; the tip and version windows it
// does (as unknown applications), and those are passed over here.
void TargetDiscovery::OwnWindowActivated() {
  if (lastForeground_ == 0 || !desktop_.IsOwnProcess(lastForeground_)) handBack_ = lastForeground_;
}

Hwnd TargetDiscovery::HandBackWindow() {
  return handBack_ != 0 && desktop_.IsWindow(handBack_) ? handBack_ : 0;
}

}  // namespace sorelka
