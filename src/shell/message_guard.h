// The window thread's hook on every message its loops take from the queue (the program's own,
// a message box's, a menu's, the move and size loops). A posted message that only the system
// sends, with a pointer in it (app/message_trust.h), becomes WM_NULL before anyone reads it;
// and, where the system hands the loop its own copy (Wine 8 does), the window procedure asks
// TakenFromQueue and drops it there.
#pragma once
#include <windows.h>

namespace sorelka::win32 {

class MessageGuard {
 public:
  MessageGuard() = default;
  ~MessageGuard();
  MessageGuard(const MessageGuard&) = delete;
  MessageGuard& operator=(const MessageGuard&) = delete;

  // On the calling thread, for as long as this object lives. False when the system refused.
  bool Install();

 private:
  HHOOK hook_ = nullptr;
};

// True when the message being handled is the one a loop of this thread last took from the queue
// (so it was posted, not sent), for the messages that app/message_trust.h drops when posted.
bool TakenFromQueue(UINT msg, WPARAM wp, LPARAM lp);

}  // namespace sorelka::win32
