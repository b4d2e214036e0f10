// Delivers the composed lines of one send in small steps, so that whoever drives it keeps the
// window responsive: a step never waits on its own; it says when it wants to run again.
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "platform/desktop.h"
#include "platform/event_loop.h"
#include "send/send_request.h"

namespace sorelka {

inline constexpr std::uint32_t kWmImeChar = 0x0286;  // WM_IME_CHAR
inline constexpr std::uint32_t kWmCommand = 0x0111;  // WM_COMMAND

// A post refused for a full queue is tried again every kQueueRetryMs; when no post has gone
// through for kQueueStallMs the target is taken as stuck and the send stops.
inline constexpr std::uint32_t kQueueRetryMs = 10;
inline constexpr std::uint32_t kQueueStallMs = 5000;

// A target must answer a null message within this time before its send button is pressed and
// before the message box is emptied; one that does not has stopped taking what is typed.
inline constexpr std::uint32_t kAnswerLimitMs = 5000;
// The longest a single call of the job may keep the window's thread.
inline constexpr std::uint32_t kAnswerProbeMs = 50;

// The window that receives the send button's click after each line, or none when the lines are
// typed and left unsent: SendNow counts whether or not it is enabled; in ASCII-art mode MSN Chat
// sends every line.
std::optional<Hwnd> SendCommandWindow(const ChatTarget& target, const DeliveryOptions& options);

// Types each composed line into target.InputWindow by posted WM_IME_CHAR codes and, where
// SendCommandWindow names a window, pauses for the Wait value and posts the send button's click.
class SendJob {
 public:
  enum class State {
    Working,   // more to do now
    Waiting,   // nothing to do before WakeAt(): a pause, or a full queue
    Finished,  // every line went out and the target still answers
    Stopped,   // the target went away, stopped answering, or the send was cancelled
  };

  // `composed` holds the text of each line as it is typed.
  SendJob(ChatTarget target, DeliveryOptions options, std::vector<Text> composed);

  // Works until `sliceMs` have passed, the job must wait, or it ends.
  State Run(Desktop& desktop, EventLoop& loop, std::uint32_t sliceMs);
  // Stops before the next character.
  void Cancel() { cancelled_ = true; }

  std::uint32_t WakeAt() const { return wakeAt_; }
  // Lines that went out whole: every character, and the send click where one was due.
  std::size_t LinesSent() const { return linesSent_; }
  std::size_t LineCount() const { return lines_.size(); }
  bool Cancelled() const { return cancelled_; }

 private:
  enum class Phase { Type, Pause, Check, Click, FinalCheck, Done, Stop };
  // A post refused for a full queue is tried again later; any other refusal stops the send.
  bool Post(Desktop& desktop, EventLoop& loop, Hwnd window, std::uint32_t message, std::uintptr_t wParam);
  void Wait(std::uint32_t until);
  // True when `window` answered; otherwise stops once it has not for kAnswerLimitMs.
  bool Answered(Desktop& desktop, EventLoop& loop, Hwnd window);
  void LineDone();
  void SkipLinesWithNothingToSend();

  ChatTarget target_;
  DeliveryOptions options_;
  std::vector<Text> lines_;
  std::optional<Hwnd> commandWindow_;
  std::vector<std::uint32_t> codes_;  // of the line being typed
  std::size_t line_ = 0, char_ = 0, linesSent_ = 0;
  Phase phase_ = Phase::Type;
  bool waiting_ = false, cancelled_ = false;
  std::uint32_t wakeAt_ = 0;
  std::optional<std::uint32_t> stallSince_, checkSince_;
};

}  // namespace sorelka
