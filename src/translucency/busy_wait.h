// BusyWait: a pause that keeps the program's window events running (timers, clicks).
#pragma once
#include <cstdint>

#include "platform/event_loop.h"

namespace sorelka {

// Handles the program's events until `ms` milliseconds have passed, sleeping in between: each
// event wakes the wait and is dispatched at once, and an empty queue costs no CPU. The elapsed
// time is an unsigned difference of the clock, so the wait ends on time across the clock's
// wrap. Returns false at once when the program is closing, so the waiting work can stop.
inline bool BusyWait(EventLoop& loop, std::int32_t ms) {
  if (ms <= 0) return true;
  const auto length = static_cast<std::uint32_t>(ms);
  const std::uint32_t t0 = loop.Milliseconds();
  while (true) {
    if (!loop.PumpMessages()) return false;
    const std::uint32_t elapsed = loop.Milliseconds() - t0;
    if (elapsed >= length) return true;
    loop.WaitForMessages(length - elapsed);
  }
}

}  // namespace sorelka
