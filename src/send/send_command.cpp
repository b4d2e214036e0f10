// The send command: the Send button's click handler with its flood limiter. Every line is
// composed and delivered in order; the message box is emptied only after a completed send.
#include <new>

#include "app/main_form.h"
#include "send/compose.h"
#include "send/option_state.h"
#include "send/post_line.h"

namespace sorelka {
namespace {

constexpr const char16_t* kFloodQuestion = u"この操作でで禁止になる可能性があります。続けますか？";
// Also the mark by which the foreground polling passes over the question box.
constexpr const char16_t* kFloodTitle = u"確認";
constexpr const char16_t* kNotOneLine = u"1行じゃないです";
constexpr int kMaxLinesUnasked = 5;  // more lines than this to MSN Chat need a yes

// Fetches line `index` whole, composes and delivers it; false when delivery stopped.
bool SendLine(int index, const ChatTarget& target, FormPort& form, Desktop& desktop) {
  Text composed;
  try {
    composed = MakeSendText(desktop.FromAnsi(form.MessageLineA(index)), form);
  } catch (const std::bad_alloc&) {
    return false;  // a pasted giant line times a long insert: stop, keeping the user's text
  }
  return PostLine(composed, target, form, desktop);
}

// Each line is delivered with its own pause and send before the next is fetched.
bool SendEveryLine(int count, const ChatTarget& target, FormPort& form, Desktop& desktop) {
  for (int i = 0; i < count; ++i)
    if (!SendLine(i, target, form, desktop)) return false;
  return true;
}

}  // namespace

void MainForm::SendClick() {
  const int count = form_.MessageLineCount();  // int, not 16 bits: any number of lines works

  if (chatTarget.Kind == KindChat && count > kMaxLinesUnasked && form_.Value(Ctl::Limit) == 0) {
    const Text title = kFloodTitle;
    if (form_.MessageBox(kFloodQuestion, &title, kMbYesNo) == kIdNo) return;
    SetValueFromCode(Ctl::Limit, 1);  // stays lifted for later sends until the user clears it
  }

  bool completed = true;
  if (Ticked(form_, Ctl::AA)) {
    completed = SendEveryLine(count, chatTarget, form_, desktop_);
  } else if (Ticked(form_, Ctl::Default)) {
    if (count > 1) {
      form_.MessageBox(kNotOneLine, nullptr, kMbOk);
      return;
    }
    completed = SendLine(0, chatTarget, form_, desktop_);
  } else if (Ticked(form_, Ctl::SAKASA)) {
    completed = SendEveryLine(count, chatTarget, form_, desktop_);
  }
  // A stopped send keeps the text, so nothing the user wrote is lost.
  if (completed) form_.SetText(Ctl::Message, Text());
}

}  // namespace sorelka
