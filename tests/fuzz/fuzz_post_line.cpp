// Line delivery into a target whose queue takes, refuses (full) or fails each post as the input
// decides, and which may close or hang along the way: the characters arrive in order with none
// skipped or doubled, a delivery reported whole is the whole line and its due send click, and a
// delivery reported failed followed a real refusal and stopped there.
#include <optional>

#include "fakes/fake_desktop.h"
#include "fakes/fake_form.h"
#include "fuzz_support.h"
#include "send/post_line.h"

namespace sorelka {
namespace {

struct Attempt {
  Hwnd window;
  std::uint32_t message;
  PostResult result;
};

class RefusingDesktop : public testing::FakeDesktop {
 public:
  explicit RefusingDesktop(FuzzedDataProvider& in) : in_(in) {
    postHook = [this](Hwnd w, std::uint32_t m) { return Decide(w, m); };
  }
  std::vector<Attempt> attempts;

 private:
  PostResult Decide(Hwnd w, std::uint32_t m) {
    // An exhausted input takes every post, so every run ends.
    int pick = 0;
    if (Milliseconds() < fullUntil_) pick = 10;  // still busy: the queue stays full
    else if (in_.remaining_bytes()) pick = in_.ConsumeIntegralInRange(0, 15);
    // Busy for a while, up to past the time the sender waits for a full queue.
    if (pick == 12) fullUntil_ = Milliseconds() + in_.ConsumeIntegralInRange<std::uint32_t>(0, 8000);
    if (pick == 14) Close(w);
    if (pick == 15) Window(w).hung = true;
    const PostResult r = !IsWindow(w)                ? PostResult::Failed
                         : (pick >= 10 && pick <= 12) ? PostResult::QueueFull
                         : pick == 13                 ? PostResult::Failed
                                                      : PostResult::Posted;
    attempts.push_back({w, m, r});
    return r;
  }
  FuzzedDataProvider& in_;
  std::uint32_t fullUntil_ = 0;
};

// Each unit's code, one conversion per unit: a single byte as is, a double-byte code
// sign-extended from 16 bits, '?' for a unit without a code.
std::vector<std::uint32_t> ExpectedCodes(const Text& line) {
  std::vector<std::uint32_t> codes;
  for (char16_t unit : line) {
    const std::string b = testing::ToCp932(TextView(&unit, 1));
    if (b.size() == 2) {
      const int code = (static_cast<unsigned char>(b[0]) << 8) | static_cast<unsigned char>(b[1]);
      codes.push_back(static_cast<std::uint32_t>(code >= 0x8000 ? code - 0x10000 : code));
    } else {
      codes.push_back(b.size() == 1 ? static_cast<unsigned char>(b[0]) : '?');
    }
  }
  return codes;
}

}  // namespace
}  // namespace sorelka

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace sorelka;
  FuzzedDataProvider in(data, size);

  testing::FakeForm form;
  form.SetValue(Ctl::SendNow, in.ConsumeIntegralInRange(0, 2));
  form.SetValue(Ctl::AA, in.ConsumeIntegralInRange(0, 1));
  form.SetEnabled(Ctl::SendNow, in.ConsumeBool());
  const std::vector<char16_t> waitAlphabet = {u'0', u'1', u'5', u'9', u'.', u'-', u'E', u' '};
  form.SetText(Ctl::Wait, fuzz::TextFrom(in, waitAlphabet, 12));
  const std::int16_t kind = in.ConsumeIntegralInRange<std::int16_t>(KindMessenger, KindUnknown);
  const Text line = fuzz::TextFrom(in, fuzz::Cp932Alphabet(), 200);

  RefusingDesktop desktop(in);
  const Hwnd messenger = desktop.Add(0, "IMWindowClass", "chat");
  const Hwnd messengerButton = desktop.Add(messenger, "Button", "send", 1);
  const Hwnd dialog = desktop.Add(0, "#32770");
  const Hwnd chatInput = desktop.Add(dialog, "MSNChatEdit4");
  const Hwnd chatButton = desktop.Add(dialog, "SubclassButton", "speak", 0x4D2);
  ChatTarget target;
  target.Found = kTrue;
  target.Kind = kind;
  target.InputWindow = kind == KindChat ? chatInput : messenger;
  target.SendButton = kind == KindChat ? chatButton : messengerButton;
  target.ChatDialog = dialog;

  const bool delivered = PostLine(line, target, form, desktop);

  // The send click due after the line, by the options read at the call.
  std::optional<Hwnd> clickTo;
  const bool sendNow = form.Value(Ctl::SendNow) == 1;
  if (kind == KindChat && (sendNow || form.Value(Ctl::AA) == 1)) clickTo = dialog;
  if (kind == KindMessenger && sendNow) clickTo = messenger;

  const std::vector<std::uint32_t> expected = ExpectedCodes(line);
  std::size_t typed = 0, clicks = 0;
  for (const testing::Posted& p : desktop.posted) {
    if (p.message == kWmImeChar) {
      FUZZ_CHECK(p.window == target.InputWindow);
      FUZZ_CHECK(clicks == 0);  // never a character after the click
      FUZZ_CHECK(typed < expected.size() && p.wParam == expected[typed]);  // in order, none skipped
      ++typed;
    } else {
      FUZZ_CHECK(p.message == kWmCommand && clickTo && p.window == *clickTo);
      FUZZ_CHECK(p.wParam == static_cast<std::uintptr_t>(desktop.ControlId(target.SendButton)));
      FUZZ_CHECK(typed == expected.size());  // the click only after the whole line
      ++clicks;
    }
    FUZZ_CHECK(p.lParam == 0);
  }
  FUZZ_CHECK(clicks <= 1);

  bool refused = false;
  for (std::size_t i = 0; i < desktop.attempts.size(); ++i) {
    if (desktop.attempts[i].result != PostResult::Posted) refused = true;
    // A failed post cannot be mended: nothing is tried after it.
    if (desktop.attempts[i].result == PostResult::Failed) FUZZ_CHECK(i + 1 == desktop.attempts.size());
  }
  if (delivered) {
    FUZZ_CHECK(typed == expected.size());
    FUZZ_CHECK(clicks == (clickTo ? 1u : 0u));
  } else {
    FUZZ_CHECK(refused);  // never a failure made up, never a success left partial
  }
  return 0;
}
