#include "send/send_job.h"

#include "send/cp932_codes.h"

namespace sorelka {
namespace {
// The clock is read once every so many posts: often enough to keep a slice short, rarely
// enough that typing costs no more than the posts themselves.
constexpr std::size_t kPostsBetweenClockReads = 64;
}  // namespace

std::optional<Hwnd> SendCommandWindow(const ChatTarget& target, const DeliveryOptions& options) {
  if (target.Kind == KindChat && (options.sendNow || options.asciiArt)) return target.ChatDialog;
  if (target.Kind == KindMessenger && options.sendNow) return target.InputWindow;
  return std::nullopt;
}

SendJob::SendJob(ChatTarget target, DeliveryOptions options, std::vector<Text> composed)
    : target_(std::move(target)), options_(options), lines_(std::move(composed)),
      commandWindow_(SendCommandWindow(target_, options_)) {
  SkipLinesWithNothingToSend();
  if (line_ == lines_.size()) phase_ = Phase::FinalCheck;
}

// A line with nothing to type and no click due has gone out as soon as it is reached.
void SendJob::SkipLinesWithNothingToSend() {
  while (line_ < lines_.size() && lines_[line_].empty() && !commandWindow_) {
    ++linesSent_;
    ++line_;
  }
}

void SendJob::Wait(std::uint32_t until) {
  wakeAt_ = until;
  waiting_ = true;
}

bool SendJob::Post(Desktop& desktop, EventLoop& loop, Hwnd window, std::uint32_t message, std::uintptr_t wParam) {
  const PostResult result = desktop.PostMessageA(window, message, wParam, 0);
  if (result == PostResult::Posted) {
    stallSince_.reset();
    return true;
  }
  const std::uint32_t now = loop.Milliseconds();
  // A full queue means the target is busy, not gone: wait while it exists, answers and takes a
  // message now and then. A failed post cannot be mended: going on would drop a character.
  if (result == PostResult::QueueFull && desktop.IsWindow(window) && !desktop.IsHung(window)) {
    if (!stallSince_) stallSince_ = now;
    if (now - *stallSince_ < kQueueStallMs) {  // wraps like timeGetTime
      Wait(now + kQueueRetryMs);
      return false;
    }
  }
  phase_ = Phase::Stop;
  return false;
}

bool SendJob::Answered(Desktop& desktop, EventLoop& loop, Hwnd window) {
  const std::uint32_t now = loop.Milliseconds();
  if (!checkSince_) checkSince_ = now;
  if (desktop.Answers(window, kAnswerProbeMs)) {
    checkSince_.reset();
    return true;
  }
  if (!desktop.IsWindow(window) || loop.Milliseconds() - *checkSince_ >= kAnswerLimitMs) phase_ = Phase::Stop;
  return false;
}

void SendJob::LineDone() {
  ++linesSent_;
  ++line_;
  SkipLinesWithNothingToSend();
  char_ = 0;
  codes_.clear();
  phase_ = line_ < lines_.size() ? Phase::Type : Phase::FinalCheck;
}

SendJob::State SendJob::Run(Desktop& desktop, EventLoop& loop, std::uint32_t sliceMs) {
  const std::uint32_t start = loop.Milliseconds();
  if (waiting_) {
    if (static_cast<std::int32_t>(start - wakeAt_) < 0) return cancelled_ ? State::Stopped : State::Waiting;
    waiting_ = false;
  }
  std::size_t posts = 0;
  while (true) {
    if (cancelled_ && phase_ != Phase::Done) phase_ = Phase::Stop;
    switch (phase_) {
      case Phase::Type:
        if (codes_.empty()) codes_ = LineCodes(desktop, lines_[line_]);
        while (char_ < codes_.size()) {
          if (cancelled_) break;
          if (!Post(desktop, loop, target_.InputWindow, kWmImeChar, codes_[char_])) break;
          ++char_;
          // A slice never ends on a line's last character: what follows it (the line counted
          // as sent, or its pause) belongs to the same step, so a cancel cannot come between.
          if (++posts % kPostsBetweenClockReads == 0 && char_ < codes_.size() &&
              loop.Milliseconds() - start >= sliceMs)
            return State::Working;
        }
        if (phase_ != Phase::Type || cancelled_) break;
        if (waiting_) return State::Waiting;
        if (!commandWindow_) {
          LineDone();
        } else if (options_.waitMs > 0) {
          phase_ = Phase::Pause;
          Wait(loop.Milliseconds() + options_.waitMs);
          return State::Waiting;
        } else {
          phase_ = Phase::Check;
        }
        break;
      case Phase::Pause: phase_ = Phase::Check; break;
      case Phase::Check:
        if (Answered(desktop, loop, *commandWindow_)) phase_ = Phase::Click;
        else if (phase_ == Phase::Check) return State::Working;  // the driver pumps, then asks again
        break;
      case Phase::Click: {
        // MAKEWPARAM(id, BN_CLICKED): the identifier in the low word, notification 0 above.
        const auto id = static_cast<std::uint16_t>(desktop.ControlId(target_.SendButton));
        if (Post(desktop, loop, *commandWindow_, kWmCommand, id)) LineDone();
        else if (waiting_) return State::Waiting;
        break;
      }
      case Phase::FinalCheck:
        if (Answered(desktop, loop, target_.InputWindow)) phase_ = Phase::Done;
        else if (phase_ == Phase::FinalCheck) return State::Working;
        break;
      case Phase::Done: return State::Finished;
      case Phase::Stop: return State::Stopped;
    }
    if (loop.Milliseconds() - start >= sliceMs && phase_ != Phase::Done && phase_ != Phase::Stop)
      return waiting_ ? State::Waiting : State::Working;
  }
}

}  // namespace sorelka
