#include "send/send_command.h"

#include <new>

#include "platform/shared_names.h"
#include "send/option_state.h"
#include "send/options_from_form.h"
#include "send/send_job.h"
#include "send/wait_value.h"

namespace sorelka {
namespace {

constexpr const char16_t* kFloodQuestion = u"この操作でで禁止になる可能性があります。続けますか？";
constexpr const char16_t* kNotOneLine = u"1行じゃないです";
constexpr int kMaxLinesUnasked = 5;  // more lines than this to MSN Chat need a yes

}  // namespace

std::optional<SendRequest> SendCommand::TakeRequest(const ChatTarget& target, int lineCount) {
  int taken = 0;
  if (Ticked(form_, Ctl::AA) || Ticked(form_, Ctl::SAKASA)) {
    taken = lineCount;
  } else if (Ticked(form_, Ctl::Default)) {
    if (lineCount > 1) {
      form_.MessageBox(kNotOneLine, nullptr, kMbOk);
      return std::nullopt;
    }
    taken = 1;
  }
  SendRequest request{target, ComposeOptionsOf(form_), DeliveryOptionsOf(form_), {}};
  request.lines.reserve(static_cast<std::size_t>(taken));
  for (int i = 0; i < taken; ++i) request.lines.push_back(desktop_.FromAnsi(form_.MessageLineA(i)));
  return request;
}

void SendCommand::Click(const ChatTarget& target) {
  const int count = form_.MessageLineCount();  // int, not 16 bits: any number of lines works

  if (target.Kind == KindChat && count > kMaxLinesUnasked && form_.Value(Ctl::Limit) == 0) {
    const Text title(kConfirmTitle);
    if (form_.MessageBox(kFloodQuestion, &title, kMbYesNo) == kIdNo) return;
    form_.SetValue(Ctl::Limit, 1);  // stays lifted for later sends until the user clears it
  }

  std::optional<SendRequest> request;
  try {
    request = TakeRequest(target, count);
  } catch (const std::bad_alloc&) {
    return;  // a paste too large to hold twice: nothing is sent and the text stays
  }
  if (!request) return;
  SendJob job(std::move(*request));
  while (!job.Finished()) job.DeliverNextLine(desktop_);
  // A stopped send keeps the text, so nothing the user wrote is lost.
  if (!job.Stopped()) form_.SetText(Ctl::Message, Text());
}

}  // namespace sorelka
