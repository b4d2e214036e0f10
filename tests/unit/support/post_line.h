// A send of one line driven to its end without a window: the job's slices back to back, its
// waits slept through. The tests and benches use it to see one line's delivery whole; the
// program's own sends run the job in slices between passes of its message pump (SendCommand).
#pragma once
#include <cstdint>

#include "platform/event_loop.h"
#include "send/send_job.h"
#include "send/wait_value.h"

namespace sorelka {

// Posts WM_IME_CHAR for every unit of `line` to target.InputWindow, then, when due, pauses for
// options.waitMs and posts the send button's WM_COMMAND. True when all of it was delivered;
// false when the target stopped taking messages (gone, hung, queue stuck full, a failed post).
inline bool PostLine(const Text& line, const ChatTarget& target, const DeliveryOptions& options,
                     Desktop& desktop, EventLoop& loop) {
  SendJob job(target, options, {line});
  while (true) {
    switch (job.Run(desktop, loop, kMaxWaitMs)) {
      case SendJob::State::Finished: return true;
      case SendJob::State::Stopped: return false;
      case SendJob::State::Waiting: {
        const auto left = static_cast<std::int32_t>(job.WakeAt() - loop.Milliseconds());
        if (left > 0) loop.Sleep(static_cast<std::uint32_t>(left));
        break;
      }
      case SendJob::State::Working: break;
    }
  }
}

}  // namespace sorelka
