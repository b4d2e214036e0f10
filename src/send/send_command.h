// The send command: the Send button's click handler with its flood limiter, and the send it
// starts, which keeps the window responsive and can be cancelled.
#pragma once
#include <optional>
#include <vector>

#include "discovery/chat_target.h"
#include "platform/desktop.h"
#include "platform/event_loop.h"
#include "platform/form_port.h"
#include "send/send_job.h"
#include "send/send_request.h"

namespace sorelka {

// The longest line the chat windows' 16-bit counts can take, in UTF-16 units.
inline constexpr std::size_t kMaxComposedUnits = 32767;

class SendCommand {
 public:
  SendCommand(FormPort& form, Desktop& desktop, EventLoop& loop) : form_(form), desktop_(desktop), loop_(loop) {}

  // The Send button. Takes the send (target, options and text) at once, asks before a flood,
  // and delivers every line in order while the window keeps handling its events; the message
  // box is emptied only when all of it went out. During a send the button cancels it.
  void Click(const ChatTarget& target);
  // Esc: cancels the send under way, before its next character.
  void Cancel();
  bool Sending() const { return job_ != nullptr; }

 private:
  SendRequest TakeRequest(const ChatTarget& target, int lineCount);
  // Composes every line, or says why the send cannot go out; nothing when it cannot.
  std::optional<std::vector<Text>> Compose(const SendRequest& request);
  void Run(SendJob& job, const ChatTarget& target);
  void ShowProgress(const SendJob& job);

  FormPort& form_;
  Desktop& desktop_;
  EventLoop& loop_;
  SendJob* job_ = nullptr;  // the send under way
  std::size_t shownLine_ = 0;
};

}  // namespace sorelka
