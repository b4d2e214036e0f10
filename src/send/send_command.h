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
  // box is emptied only when all of it went out and it still holds the text taken. A character
  // without a code page 932 code, or a failure to allocate, stops the send with a box saying so.
  // No exception leaves it. During a send the button cancels it.
  void Click(const ChatTarget& target);
  // Esc: cancels the send under way, before its next character.
  void Cancel();
  bool Sending() const { return job_ != nullptr; }

 private:
  void Send(const ChatTarget& target);
  // The lines the send mode takes of the box's lines, with the options as the window shows them.
  SendRequest TakeRequest(const ChatTarget& target, std::vector<Text> lines);
  // True when every character of the message, and of the insert where the options put it in,
  // can be typed as one code page 932 code; otherwise says which character cannot.
  bool EveryCharacterHasACode(const Text& message, const ComposeOptions& options);
  // Composes every line, or says why the send cannot go out; nothing when it cannot.
  std::optional<std::vector<Text>> Compose(const SendRequest& request);
  // `message` is the box's text taken at the click.
  void Run(SendJob& job, const ChatTarget& target, const Text& message);
  void ShowProgress(const SendJob& job);
  void OutOfMemory();

  FormPort& form_;
  Desktop& desktop_;
  EventLoop& loop_;
  SendJob* job_ = nullptr;  // the send under way
  std::size_t shownLine_ = 0;
};

}  // namespace sorelka
