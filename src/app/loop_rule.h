// When the program may end. A close, "終了" or the end of the session can arrive inside a
// modal loop that a handler entered (a message box, a popup menu, a pump of the program's
// own); ending there would pull the window from under the handler still running below it. So
// such a request cancels the inner work, and the ending itself waits until the outermost loop
// has unwound. Plain C++ (no <windows.h>): the rule is tested natively.
#pragma once

namespace sorelka {

class LoopRule {
 public:
  // Close: the window is destroyed and the unload runs from WM_DESTROY.
  // Exit ("終了"): the unload runs, then the process ends with every window at once.
  enum class Ending { None, Close, Exit };

  void Enter() { ++depth_; }
  // True when this left the outermost loop with an ending waiting: time to carry it out.
  bool Leave() { return --depth_ == 0 && ending_ != Ending::None && !done_; }
  int Depth() const { return depth_; }

  // True from the first request on: loops stop and no new one opens.
  bool Closing() const { return ending_ != Ending::None; }

  // Records a request (an exit outranks a close). True when it arrived inside a loop, so
  // the caller must cancel the inner work.
  bool Request(Ending e) {
    if (e > ending_) ending_ = e;
    return depth_ > 0;
  }

  // The ending to carry out now: once, and only with no loop open.
  Ending Due() {
    if (depth_ > 0 || done_ || ending_ == Ending::None) return Ending::None;
    done_ = true;
    return ending_;
  }

 private:
  int depth_ = 0;
  Ending ending_ = Ending::None;
  bool done_ = false;
};

}  // namespace sorelka
