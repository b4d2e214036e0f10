// Follows the foreground window and chooses the target the assistant types into. Owns the
// chosen target and the last foreground window taken into account (the "selected window" of
// the translucency panel).
#pragma once
#include "discovery/chat_target.h"
#include "platform/desktop.h"

namespace sorelka {

// What one tick changed, for the main form to pass on to the status bar and the send options.
enum class TargetChange {
  None,             // nothing new in front, or a window that is passed over
  ChatChosen,       // a chat room or a Messenger conversation is the target: sending enabled
  UnknownChosen,    // another titled window is the target: sending disabled
  SendingDisabled,  // an untitled frame without the chat control: disabled, target kept
};

class TargetDiscovery {
 public:
  explicit TargetDiscovery(Desktop& desktop) : desktop_(desktop) {}

  // Clears the target (start-up); the last foreground window stays as it is.
  void Reset() { ResetChatTarget(target_); }
  // One poll of the foreground window. `ownWindow` (the main window) is never a target.
  TargetChange Tick(Hwnd ownWindow);
  // Examine the window in front afresh at the next tick, even if it was seen last.
  void Forget() { lastForeground_ = 0; }

  // One of the program's other windows (tip, version) came to the front. When it closes in
  // front the program gives the front back itself, so that the system picks no window of its
  // own choosing (under Wine not the one the user had in front) and the poll sees a new target.
  void OwnWindowActivated();
  // The window to give the front back to: the last window in front before the program's own,
  // or 0 when there was none or it is gone (the main window then).
  Hwnd HandBackWindow();

  const ChatTarget& Target() const { return target_; }
  Hwnd LastForeground() const { return lastForeground_; }

 private:
  Desktop& desktop_;
  ChatTarget target_;
  Hwnd lastForeground_ = 0;
  Hwnd handBack_ = 0;
};

}  // namespace sorelka
