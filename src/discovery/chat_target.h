// The chosen chat window, and the lookup that walks an Internet Explorer frame down to the
// chat control's input box and send button.
#pragma once
#include <cstdint>

#include "platform/desktop.h"

namespace sorelka {

enum : std::int16_t { KindMessenger = 0, KindChat = 1, KindUnknown = 2 };
constexpr std::int16_t kTrue = -1, kFalse = 0;  // 16-bit Booleans

struct ChatTarget {
  std::int16_t Found = kFalse;
  std::int16_t Kind = KindMessenger;
  Text ClassName;
  Hwnd InputWindow = 0;   // receives the typed characters
  Text Title;             // as the status bar shows it
  Hwnd SendButton = 0;    // 0 when none was found
  Hwnd ChatDialog = 0;    // the chat control's dialog, parent of its send button
  bool operator==(const ChatTarget&) const = default;
};

// Clears `target` in place; ChatDialog keeps its value.
void ResetChatTarget(ChatTarget& target);

// The class of an Internet Explorer frame begins so; only such a frame can hold the chat control.
inline constexpr TextView kFramePrefix = u"IEFrame";

// Walks the frame `frame` (class `className`) down to the chat control. Found is True with
// every field filled when the walk reached the input box. Otherwise Found is False and
// InputWindow 0: a frame without the chat control is a target nothing can be typed into.
ChatTarget LookupChatWindow(Desktop& desktop, const Text& className, Hwnd frame);

}  // namespace sorelka
