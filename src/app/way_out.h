// The one way out of a fault or of std::terminate. Whatever thread it happens on, the changes of
// translucency are undone by the window's thread alone (the main form's once-only unload), never
// beside it. Plain C++ (no <windows.h>): the decision is tested natively.
#pragma once
#include <atomic>

namespace sorelka {

class WayOut {
 public:
  enum class Step {
    None,             // not the first caller, or no window left: nothing to do
    RunHere,          // on the window's thread: run the unload now
    AskWindowThread,  // elsewhere: ask the window's thread, for a bounded time, and go on
  };

  // Only the first caller acts; any later one (a second fault, a fault inside the unload, the
  // terminate handler after the filter) returns at once.
  Step Take(bool onWindowThread, bool windowLives) {
    if (taken_.exchange(true)) return Step::None;
    if (!windowLives) return Step::None;  // the window is gone: its unload has run
    return onWindowThread ? Step::RunHere : Step::AskWindowThread;
  }
  // The window's thread runs the unload for a request only once the way out was taken: the
  // request is a window message, which any program could send.
  bool Taken() const { return taken_.load(); }

 private:
  std::atomic<bool> taken_{false};
};

}  // namespace sorelka
