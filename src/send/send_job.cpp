#include "send/send_job.h"

#include <new>

#include "send/compose.h"
#include "send/post_line.h"

namespace sorelka {

bool SendJob::DeliverNextLine(Desktop& desktop) {
  if (Finished()) return false;
  Text composed;
  try {
    composed = MakeSendText(request_.lines[next_], request_.compose);
  } catch (const std::bad_alloc&) {
    stopped_ = true;  // a pasted giant line times a long insert: stop, keeping the user's text
    return false;
  }
  if (!PostLine(composed, request_.target, request_.delivery, desktop)) {
    stopped_ = true;
    return false;
  }
  ++next_;
  return true;
}

}  // namespace sorelka
