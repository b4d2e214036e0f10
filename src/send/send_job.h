// Delivers the lines of one send, one line a step, so that whoever drives it decides what
// happens between lines.
#pragma once
#include <cstddef>

#include "platform/desktop.h"
#include "send/send_request.h"

namespace sorelka {

class SendJob {
 public:
  explicit SendJob(SendRequest request) : request_(std::move(request)) {}

  // Composes and delivers the next line. False when delivery stopped (the target went away,
  // hung or refused a message); the job then has nothing more to do.
  bool DeliverNextLine(Desktop& desktop);
  bool Finished() const { return stopped_ || next_ >= request_.lines.size(); }
  bool Stopped() const { return stopped_; }
  std::size_t LinesDelivered() const { return next_; }
  std::size_t LineCount() const { return request_.lines.size(); }

 private:
  SendRequest request_;
  std::size_t next_ = 0;
  bool stopped_ = false;
};

}  // namespace sorelka
