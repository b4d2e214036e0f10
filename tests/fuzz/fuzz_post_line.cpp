// A send delivered line by line into a target whose queue takes, refuses (full) or fails each
// post as the input decides, and which may close or hang along the way: each line's characters
// arrive in order with none skipped or doubled; a line reported delivered is the whole line and
// its due send click; a line reported failed followed a real refusal, and nothing is posted
// after it.
#include <optional>

#include "fakes/fake_desktop.h"
#include "fuzz_support.h"
#include "send/compose.h"
#include "send/post_line.h"
#include "send/send_job.h"

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
// sign-extended from 16 bits, '?' for a unit without a code. Remembered per unit: iconv is slow.
std::uint32_t ExpectedCode(char16_t unit) {
  static std::vector<std::int64_t> known(0x10000, -1);
  std::int64_t& code = known[unit];
  if (code < 0) {
    const std::string b = testing::ToCp932(TextView(&unit, 1));
    if (b.size() == 2) {
      const int c = (static_cast<unsigned char>(b[0]) << 8) | static_cast<unsigned char>(b[1]);
      code = static_cast<std::uint32_t>(c >= 0x8000 ? c - 0x10000 : c);
    } else {
      code = b.size() == 1 ? static_cast<unsigned char>(b[0]) : '?';
    }
  }
  return static_cast<std::uint32_t>(code);
}

std::vector<std::uint32_t> ExpectedCodes(const Text& line) {
  std::vector<std::uint32_t> codes;
  for (char16_t unit : line) codes.push_back(ExpectedCode(unit));
  return codes;
}

}  // namespace
}  // namespace sorelka

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace sorelka;
  FuzzedDataProvider in(data, size);

  SendRequest request;
  request.delivery.sendNow = in.ConsumeBool();
  request.delivery.asciiArt = in.ConsumeBool();
  request.delivery.waitMs = in.ConsumeBool() ? in.ConsumeIntegral<std::uint32_t>() : 0;
  request.compose.reverse = in.ConsumeBool();
  request.compose.everyWord = in.ConsumeBool();
  request.compose.header = in.ConsumeBool();
  request.compose.footer = in.ConsumeBool();
  request.compose.insert = fuzz::TextFrom(in, fuzz::Cp932Alphabet(), 4);
  const std::int16_t kind = in.ConsumeIntegralInRange<std::int16_t>(KindMessenger, KindUnknown);
  for (std::size_t n = in.ConsumeIntegralInRange<std::size_t>(0, 5); n > 0; --n)
    request.lines.push_back(fuzz::TextFrom(in, fuzz::Cp932Alphabet(), 60));

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
  request.target = target;

  // The send click due after each line.
  std::optional<Hwnd> clickTo;
  const DeliveryOptions& options = request.delivery;
  if (kind == KindChat && (options.sendNow || options.asciiArt)) clickTo = dialog;
  if (kind == KindMessenger && options.sendNow) clickTo = messenger;
  const std::uintptr_t clickId = static_cast<std::uint16_t>(desktop.ControlId(target.SendButton));

  std::vector<std::vector<std::uint32_t>> expected;
  for (const Text& line : request.lines) expected.push_back(ExpectedCodes(MakeSendText(line, request.compose)));
  const std::size_t lineCount = request.lines.size();
  SendJob job(std::move(request));

  std::size_t delivered = 0;
  bool stopped = false;
  for (std::size_t step = 0; step <= lineCount; ++step) {
    const std::size_t postedBefore = desktop.posted.size(), attemptsBefore = desktop.attempts.size();
    const bool ok = job.DeliverNextLine(desktop);
    if (stopped || step == lineCount) {  // nothing more to do: no post, no attempt
      FUZZ_CHECK(!ok && desktop.attempts.size() == attemptsBefore);
      continue;
    }

    std::size_t typed = 0, clicks = 0;
    for (std::size_t i = postedBefore; i < desktop.posted.size(); ++i) {
      const testing::Posted& p = desktop.posted[i];
      if (p.message == kWmImeChar) {
        FUZZ_CHECK(p.window == target.InputWindow && clicks == 0);  // never a character after the click
        FUZZ_CHECK(typed < expected[step].size() && p.wParam == expected[step][typed]);  // in order, none skipped
        ++typed;
      } else {
        FUZZ_CHECK(p.message == kWmCommand && clickTo && p.window == *clickTo && p.wParam == clickId);
        FUZZ_CHECK(typed == expected[step].size());  // the click only after the whole line
        ++clicks;
      }
      FUZZ_CHECK(p.lParam == 0);
    }
    FUZZ_CHECK(clicks <= 1);

    bool refused = false;
    for (std::size_t i = attemptsBefore; i < desktop.attempts.size(); ++i) {
      if (desktop.attempts[i].result != PostResult::Posted) refused = true;
      // A failed post cannot be mended: nothing is tried after it.
      if (desktop.attempts[i].result == PostResult::Failed) FUZZ_CHECK(i + 1 == desktop.attempts.size());
    }
    if (ok) {
      FUZZ_CHECK(typed == expected[step].size() && clicks == (clickTo ? 1u : 0u));
      ++delivered;
    } else {
      FUZZ_CHECK(refused);  // never a failure made up, never a success left partial
      stopped = true;
    }
    FUZZ_CHECK(job.LinesDelivered() == delivered && job.Stopped() == stopped);
  }
  FUZZ_CHECK(job.Finished());
  return 0;
}
