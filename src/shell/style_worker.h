// The threads that change the WS_EX_LAYERED bit of other programs' windows, which goes through
// each window's own thread and waits for it: one short-lived thread per window with a change
// under way, so a window that stops answering in the middle holds its own thread and nothing
// else. Everything else stays on the program's window thread, which only asks for a change
// and later takes its outcome.
#pragma once
#include <windows.h>
#include "shell_namespace.h"

#include <memory>
#include <vector>

#include "app_messages.h"
#include "platform/desktop.h"

namespace sorelka::shell {

// The one way the program sets or clears the layered bit, on any thread: the bit, then (when
// set) the attributes, and the outcome read back from the window's style.
Desktop::StyleResult ChangeLayeredBit(HWND window, bool layered, const Desktop::Layering& then);

class StyleWorker {
 public:
  StyleWorker() = default;
  // Threads still held by windows that do not answer are left to the end of the process
  // (what they share lives as long as they do); they are never ended from outside.
  ~StyleWorker() = default;
  StyleWorker(const StyleWorker&) = delete;
  StyleWorker& operator=(const StyleWorker&) = delete;

  // Asks for a change of a window; while one is under way for it, this one replaces what it is
  // to do next. False when no thread could be started.
  bool Queue(const Desktop::StyleRequest& request);
  std::vector<Desktop::StyleOutcome> TakeOutcomes();
  void AnnounceTo(HWND window);
  // True once no change is under way; false after `ms`.
  bool WaitIdle(DWORD ms);

  // A window that has not answered this null message within this time is not changed (and
  // is asked again later). Only its own thread waits, so a busy moment of a loaded machine
  // may pass; one that has hung for seconds is not waited on at all.
  static constexpr UINT kAnswerMs = 250;

 private:
  struct Shared;
  struct Start;
  static DWORD WINAPI Main(void* start);
  static Desktop::StyleResult Change(const Desktop::StyleRequest& request);
  std::shared_ptr<Shared> shared_;
};

}  // namespace sorelka::shell
