// The window thread's hook on every message its loops take from the queue (the program's own,
// a message box's, a menu's, the move and size loops): a posted message that only the system
// sends, with a pointer in it (app/message_trust.h), becomes WM_NULL before anyone reads it.
#pragma once
#include <windows.h>
#include "shell_namespace.h"

namespace sorelka::shell {

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

}  // namespace sorelka::shell
