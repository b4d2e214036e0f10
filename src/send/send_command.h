// The send command: the Send button's click handler with its flood limiter.
#pragma once
#include <optional>

#include "discovery/chat_target.h"
#include "platform/desktop.h"
#include "platform/form_port.h"
#include "send/send_request.h"

namespace sorelka {

class SendCommand {
 public:
  SendCommand(FormPort& form, Desktop& desktop) : form_(form), desktop_(desktop) {}

  // Asks before a flood, takes the send from the window, delivers every line in order and
  // empties the message box only when all of them went out.
  void Click(const ChatTarget& target);

 private:
  // The send as the window stands now; nothing when the mode refuses the message.
  std::optional<SendRequest> TakeRequest(const ChatTarget& target, int lineCount);

  FormPort& form_;
  Desktop& desktop_;
};

}  // namespace sorelka
