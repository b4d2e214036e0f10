// The one worker thread of the program: it changes the WS_EX_LAYERED bit of other programs'
// windows, which goes through each window's own thread and waits for it. Everything else stays
// on the window's thread, which only queues a change and later takes its outcome.
#pragma once
#include <windows.h>
#include "shell_namespace.h"

#include <deque>
#include <memory>
#include <vector>

#include "platform/desktop.h"

namespace sorelka::shell {

class StyleWorker {
 public:
  StyleWorker() = default;
  // Asks the thread to stop; one held by a window that does not answer is left to the end of
  // the process (what it shares lives as long as it does).
  ~StyleWorker();
  StyleWorker(const StyleWorker&) = delete;
  StyleWorker& operator=(const StyleWorker&) = delete;

  // Queues a change, replacing one still queued for the same window; the thread starts at the
  // first. False when no thread could be started.
  bool Queue(HWND window, bool layered, const Desktop::Layering& then);
  std::vector<Desktop::StyleOutcome> TakeOutcomes();
  // True once the queue is empty and no change is under way; false after `ms`.
  bool WaitIdle(DWORD ms);

  // A window that has not answered this null message within this time is not changed (and
  // is asked again later): the thread then moves on to the next window.
  static constexpr UINT kAnswerMs = 50;

 private:
  struct Job {
    HWND window;
    bool layered;
    Desktop::Layering then;
  };
  struct Shared;
  static DWORD WINAPI Main(void* shared);
  static bool Change(const Job& job);
  std::shared_ptr<Shared> shared_;
};

}  // namespace sorelka::shell
