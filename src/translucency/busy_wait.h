// BusyWait: a pause that keeps the program's window events running (timers, clicks).
#pragma once
#include <cstdint>

#include "platform/desktop.h"

namespace sorelka {

// Pumps messages until `ms` milliseconds have passed. The elapsed time is an unsigned
// difference of the clock, so the wait ends on time across the clock's wrap. Returns false
// at once when the program is closing, so the waiting work can stop and unwind.
inline bool BusyWait(Desktop& desktop, std::int32_t ms) {
  if (ms <= 0) return true;
  const std::uint32_t t0 = desktop.Milliseconds();
  while (desktop.Milliseconds() - t0 < static_cast<std::uint32_t>(ms))
    if (!desktop.PumpMessages()) return false;
  return true;
}

}  // namespace sorelka
