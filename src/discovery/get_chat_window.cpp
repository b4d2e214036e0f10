// The target record and the walk from an Internet Explorer frame down to the chat control.
#include "discovery/chat_target.h"
#include "discovery/window_text.h"

namespace sorelka {

namespace {
constexpr TextView kSendButtonTitle = u"発言";
// The chat's name as the status bar shows it, in code page 932 bytes (a buffer of 20).
constexpr std::size_t kChatTitleMaxBytes = 19;

ChatTarget Failed(ChatTarget& working) {
  ResetChatTarget(working);  // ChatDialog survives: harmless, since Found is False
  return working;
}
}  // namespace

void ResetChatTarget(ChatTarget& target) {
  target.SendButton = 0;
  target.Found = kFalse;
  target.Kind = KindMessenger;
  target.ClassName.clear();
  target.InputWindow = 0;
  target.Title.clear();
}

ChatTarget LookupChatWindow(Desktop& desktop, const Text& className, Hwnd frame) {
  ChatTarget working{};
  if (!StartsWith(className, kFramePrefix)) return working;

  Hwnd window = desktop.FindChildA(frame, "Shell DocObject View", nullptr);
  if (window == 0) return Failed(working);
  window = desktop.FindChildA(window, "Internet Explorer_Server", nullptr);
  if (window == 0) return Failed(working);
  const Hwnd dialog = desktop.FindChildA(window, "#32770", nullptr);
  window = dialog;
  working.ChatDialog = dialog;
  if (window == 0) return Failed(working);

  // The ATL window is tested only after the button and the name have been read.
  window = desktop.FindChildA(dialog, "ATL:3723F798", nullptr);
  // The button is told apart by its caption too, compared as the system's ANSI bytes.
  const Ansi speak = desktop.ToAnsi(kSendButtonTitle);
  working.SendButton = desktop.FindChildA(dialog, "SubclassButton", speak.c_str());
  working.Title = ReadWindowText(desktop, desktop.LastSibling(window), kChatTitleMaxBytes);
  if (window == 0) return Failed(working);

  window = desktop.FindChildA(window, "MSNChatEdit4", nullptr);
  if (window == 0) return Failed(working);

  working.InputWindow = window;
  working.Kind = KindChat;
  working.Found = kTrue;
  return working;
}

}  // namespace sorelka
