#include "target/chat_target.h"

namespace sorelka {

void ResetChatTarget(ChatTarget& target) {
  target.SendButton = 0;
  target.Found = kFalse;
  target.Kind = KindMessenger;
  target.ClassName.clear();
  target.InputWindow = 0;
  target.Title.clear();
}

ChatTarget LookupChatWindow(Desktop&, const Text&, Hwnd& window) {  // placeholder
  window = 0;
  return ChatTarget{};
}

}  // namespace sorelka
