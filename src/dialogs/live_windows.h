// The program's top-level windows that are still open: the process ends with the last one,
// so a tip or version window outlives a main window closed from its title bar.
#pragma once

namespace sorelka {

class LiveWindows {
 public:
  void Opened() { ++count_; }
  // True when the window that closed was the last one: time to end the message loop.
  bool Closed() { return count_ > 0 && --count_ == 0; }
  int Count() const { return count_; }

 private:
  int count_ = 0;
};

}  // namespace sorelka
