// The event-loop port over the window thread's queue: the pump of the program's waits and the
// system clock (winmm loaded at first use).
#pragma once
#include <windows.h>
#include "shell_namespace.h"

#include <functional>

#include "modal_loops.h"
#include "platform/event_loop.h"

namespace sorelka::shell {

class Win32EventLoop final : public EventLoop {
 public:
  Win32EventLoop() = default;  // a pump that knows of no program closing (benchmarks)
  // The pump counts as a nested loop of the program and stops once it is closing.
  explicit Win32EventLoop(ModalLoops& loops) : loops_(&loops) {}

  std::uint32_t Milliseconds() override;
  void Sleep(std::uint32_t ms) override;
  void WaitForMessages(std::uint32_t ms) override;
  bool PumpMessages() override;

  // The keyboard handling of the program's windows (Tab, Enter, Esc), which the pump applies
  // as the main loop does.
  void SetPreTranslate(std::function<bool(MSG&)> filter) { preTranslate_ = std::move(filter); }

 private:
  bool PumpOnce();
  ModalLoops* loops_ = nullptr;
  std::function<bool(MSG&)> preTranslate_;
};

}  // namespace sorelka::shell
