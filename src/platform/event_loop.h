// The event-loop port: the program's own message pump and the clock its waits are measured by.
// The Win32 implementation runs the window thread's queue; unit tests use a fake clock.
#pragma once
#include <cstdint>

namespace sorelka {

class EventLoop {
 public:
  virtual ~EventLoop() = default;

  virtual std::uint32_t Milliseconds() = 0;  // timeGetTime: wraps after 49.7 days
  virtual void Sleep(std::uint32_t ms) = 0;  // handles no window events
  // Blocks, using no CPU, until a message arrives for the program or `ms` have passed.
  virtual void WaitForMessages(std::uint32_t ms) = 0;
  // One full pass of the message pump: dispatches what is queued and returns, at once when the
  // queue is empty. False when the program is closing: the caller's waiting work stops and
  // returns, so the close can finish once the loops have unwound.
  virtual bool PumpMessages() = 0;
};

}  // namespace sorelka
