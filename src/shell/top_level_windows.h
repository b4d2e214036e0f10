// The program's top-level windows still open; the message loop ends with the last one.
#pragma once
#include <windows.h>
#include "shell_namespace.h"

#include "dialogs/live_windows.h"

namespace sorelka::shell {

// Owned by the composition root; the main, tip and version windows report to it.
class TopLevelWindows {
 public:
  void Opened() { count_.Opened(); }
  void Closed() {
    if (count_.Closed()) PostQuitMessage(0);
  }

 private:
  LiveWindows count_;
};

}  // namespace sorelka::shell
