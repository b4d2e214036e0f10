// The program's one rule for nested loops (see loop_rule.h), over Win32: counts the modal
// loops entered from handlers, cancels them when the program must end, and has the ending
// carried out by the main window once the outermost loop has unwound.
#pragma once
#include <windows.h>
#include "shell_namespace.h"

#include "app/loop_rule.h"
#include "app_messages.h"

namespace sorelka::shell {

class ModalLoops {
 public:
  // Marks a modal loop entered from a handler, for the life of the scope.
  class Scope {
   public:
    explicit Scope(ModalLoops& loops) : loops_(loops) { loops_.rule_.Enter(); }
    ~Scope() {
      if (loops_.rule_.Leave()) loops_.PostFinish();
    }
    Scope(const Scope&) = delete;
    Scope& operator=(const Scope&) = delete;

   private:
    ModalLoops& loops_;
  };

  void SetMainWindow(HWND w) { main_ = w; }
  bool Closing() const { return rule_.Closing(); }

  // A close, "終了" or the end of the session: cancels open loops, or has the ending carried
  // out at once when none is open.
  void Request(LoopRule::Ending e);
  LoopRule::Ending Due() { return rule_.Due(); }

 private:
  void PostFinish();
  void CancelInnerWork();

  LoopRule rule_;
  HWND main_ = nullptr;
};

}  // namespace sorelka::shell
