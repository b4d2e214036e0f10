#include "send/send_command.h"

#include <algorithm>
#include <new>
#include <stdexcept>
#include <string>

#include "discovery/status_display.h"
#include "platform/shared_names.h"
#include "send/compose.h"
#include "send/cp932_codes.h"
#include "send/message_lines.h"
#include "send/option_state.h"
#include "send/options_from_form.h"

namespace sorelka {
namespace {

constexpr const char16_t* kFloodQuestion = u"この操作でで禁止になる可能性があります。続けますか？";
constexpr const char16_t* kNotOneLine = u"1行じゃないです";
constexpr const char16_t* kLineTooLong = u"長すぎる行があります（1行 32767 文字まで）";
constexpr const char16_t* kNoCode = u"送信できない文字があります：";
constexpr const char16_t* kOutOfMemory = u"メモリが足りないため送信できませんでした";
constexpr const char16_t* kStopLabel = u"中止";
constexpr std::size_t kMaxLinesUnasked = 5;  // more lines than this to MSN Chat need a yes
// The longest the send keeps the window's thread between two passes of its message pump.
constexpr std::uint32_t kSliceMs = 20;

Text Number(std::size_t n) {
  const std::string digits = std::to_string(n);
  return Text(digits.begin(), digits.end());
}

// What a send changes on the window while it runs, and puts back when it ends: the options
// take no clicks, the message takes no typing, and Send reads "中止".
class SendingLook {
 public:
  explicit SendingLook(FormPort& form)
      : form_(form), sendNowEnabled_(form.Enabled(Ctl::SendNow)), sendCaption_(form.GetText(Ctl::Send)) {
    form_.SetEnabled(Ctl::Frame2, false);
    form_.SetEnabled(Ctl::SendNow, false);
    form_.SetReadOnly(Ctl::Message, true);
    form_.SetText(Ctl::Send, kStopLabel);
  }
  ~SendingLook() {
    form_.SetEnabled(Ctl::Frame2, true);
    form_.SetEnabled(Ctl::SendNow, sendNowEnabled_);
    form_.SetReadOnly(Ctl::Message, false);
    form_.SetText(Ctl::Send, sendCaption_);
  }
  SendingLook(const SendingLook&) = delete;
  SendingLook& operator=(const SendingLook&) = delete;

 private:
  FormPort& form_;
  bool sendNowEnabled_;
  Text sendCaption_;
};

}  // namespace

SendRequest SendCommand::TakeRequest(const ChatTarget& target, std::vector<Text> lines) {
  std::size_t taken = 0;
  if (Ticked(form_, Ctl::AA) || Ticked(form_, Ctl::SAKASA)) taken = lines.size();
  else if (Ticked(form_, Ctl::Default)) taken = std::min<std::size_t>(lines.size(), 1);
  lines.resize(taken);
  return SendRequest{target, ComposeOptionsOf(form_), DeliveryOptionsOf(form_), std::move(lines)};
}

bool SendCommand::EveryCharacterHasACode(const Text& message, const ComposeOptions& options) {
  // The message's line breaks part its lines; one in the insert would be typed.
  TextView missing = FirstCharacterWithoutCode(desktop_, message, LineBreaks::Separate);
  if (missing.empty() && (options.header || options.footer || options.everyWord))
    missing = FirstCharacterWithoutCode(desktop_, options.insert, LineBreaks::Refused);
  if (missing.empty()) return true;
  form_.MessageBox(kNoCode + Text(missing), nullptr, kMbOk);
  return false;
}

std::optional<std::vector<Text>> SendCommand::Compose(const SendRequest& request) {
  for (const Text& line : request.lines)
    if (SendTextLength(line, request.compose) > kMaxComposedUnits) {
      form_.MessageBox(kLineTooLong, nullptr, kMbOk);
      return std::nullopt;
    }
  std::vector<Text> composed;
  composed.reserve(request.lines.size());
  for (const Text& line : request.lines) composed.push_back(MakeSendText(line, request.compose));
  return composed;
}

void SendCommand::Click(const ChatTarget& target) {
  if (Sending()) {
    Cancel();
    return;
  }
  // No failure to allocate leaves the click: the send stops, says so, and the box keeps what
  // was not sent (a send under way has already put its sent lines out of the box).
  try {
    Send(target);
  } catch (const std::bad_alloc&) {
    OutOfMemory();
  } catch (const std::length_error&) {
    OutOfMemory();
  }
}

void SendCommand::OutOfMemory() { form_.MessageBox(kOutOfMemory, nullptr, kMbOk); }

void SendCommand::Send(const ChatTarget& target) {
  // The box is read once, and the send is taken now: whatever comes to the front while the
  // question is open, the lines go to the window that was chosen when Send was pressed.
  const Text message = form_.MessageText();
  std::vector<Text> lines = SplitLines(message);
  const std::size_t count = lines.size();
  SendRequest request = TakeRequest(target, std::move(lines));
  if (!EveryCharacterHasACode(message, request.compose)) return;

  if (target.Kind == KindChat && count > kMaxLinesUnasked && form_.Value(Ctl::Limit) == 0) {
    const Text title(kConfirmTitle);
    if (form_.MessageBox(kFloodQuestion, &title, kMbYesNo) == kIdNo) return;
    form_.SetValue(Ctl::Limit, 1);  // no handler; stays lifted until the user clears it
  }
  if (Ticked(form_, Ctl::Default) && !Ticked(form_, Ctl::AA) && !Ticked(form_, Ctl::SAKASA) && count > 1) {
    form_.MessageBox(kNotOneLine, nullptr, kMbOk);
    return;
  }

  std::optional<std::vector<Text>> composed = Compose(request);
  if (!composed) return;
  request.lines = {};  // composed now: not held twice through the send
  SendJob job(request.target, request.delivery, std::move(*composed));
  Run(job, request.target, message);
}

void SendCommand::Cancel() {
  if (job_) job_->Cancel();
}

void SendCommand::ShowProgress(const SendJob& job) {
  const std::size_t line = std::min(job.LinesSent() + 1, job.LineCount());
  if (line == shownLine_) return;
  shownLine_ = line;
  form_.SetPanelText(2, u"送信中 " + Number(line) + u"/" + Number(job.LineCount()) + u" 行（Escで中止）");
}

void SendCommand::Run(SendJob& job, const ChatTarget& target, const Text& message) {
  SendJob::State state = SendJob::State::Stopped;
  bool outOfMemory = false;
  {
    const SendingLook look(form_);
    job_ = &job;
    shownLine_ = 0;
    try {
      while (true) {
        ShowProgress(job);
        state = job.Run(desktop_, loop_, kSliceMs);
        if (state == SendJob::State::Finished || state == SendJob::State::Stopped) break;
        // A close or the end of the program arriving now stops the send first.
        if (!loop_.PumpMessages()) job.Cancel();
        if (state == SendJob::State::Waiting && !job.Cancelled()) {
          const auto left = static_cast<std::int32_t>(job.WakeAt() - loop_.Milliseconds());
          if (left > 0) loop_.WaitForMessages(std::min<std::uint32_t>(static_cast<std::uint32_t>(left), kSliceMs));
        }
      }
    } catch (const std::bad_alloc&) {
      outOfMemory = true;
    } catch (const std::length_error&) {
      outOfMemory = true;
    }
    if (outOfMemory) state = SendJob::State::Stopped;
    job_ = nullptr;
  }
  // The box is changed only while it holds what was sent: a text put there during the send
  // (the box takes no typing, but another program can set it) stays as it is.
  const bool unchanged = form_.MessageText() == message;
  if (state == SendJob::State::Finished) {
    if (unchanged) form_.SetText(Ctl::Message, Text());
    ShowTargetStatus(form_, target);
    return;
  }
  // What went out whole is gone from the box, so sending again repeats nothing.
  if (unchanged && job.LinesSent() > 0) form_.SetText(Ctl::Message, WithoutFirstLines(message, job.LinesSent()));
  form_.SetPanelText(2, u"送信を中止しました（" + Number(job.LinesSent()) + u"/" + Number(job.LineCount()) +
                            u" 行送信済み）");
  if (outOfMemory) OutOfMemory();
}

}  // namespace sorelka
