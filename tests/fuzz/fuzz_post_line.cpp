// A send job driven in slices into a target whose queue takes, refuses (full) or fails each post
// as the input decides, and which may close, hang or stop answering, with the driver cancelling
// now and then: the posts are the lines' characters and due clicks in order, none skipped or
// doubled; the lines counted as sent are exactly those that went out whole; a finished send
// sent everything; a stopped one was cancelled or really refused; nothing is posted after the
// end; no slice keeps the window's thread much longer than asked.
#include <optional>

#include "fakes/fake_desktop.h"
#include "fuzz_support.h"
#include "send/send_job.h"
#include "send/wait_value.h"

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
    if (pick == 8) Advance(1);  // a post that takes a while: the slice runs out mid-line
    if (pick == 9) Window(w).silent = !Window(w).silent;
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
    const char16_t typed = JisEquivalent(unit);  // ¥ is typed as 0x5C
    const std::string b = testing::ToCp932(TextView(&typed, 1));
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

  DeliveryOptions options;
  options.sendNow = in.ConsumeBool();
  options.asciiArt = in.ConsumeBool();
  options.waitMs = in.ConsumeBool() ? in.ConsumeIntegralInRange<std::uint32_t>(0, kMaxWaitMs) : 0;
  const std::int16_t kind = in.ConsumeIntegralInRange<std::int16_t>(KindMessenger, KindUnknown);
  std::vector<Text> lines;
  for (std::size_t n = in.ConsumeIntegralInRange<std::size_t>(0, 5); n > 0; --n)
    lines.push_back(fuzz::TextFrom(in, fuzz::Cp932Alphabet(), 150));

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

  // Everything the send may post, in order: each line's characters, then its click when due.
  std::optional<Hwnd> clickTo;
  if (kind == KindChat && (options.sendNow || options.asciiArt)) clickTo = dialog;
  if (kind == KindMessenger && options.sendNow) clickTo = messenger;
  const std::uintptr_t clickId = static_cast<std::uint16_t>(desktop.ControlId(target.SendButton));
  std::vector<testing::Posted> stream;
  std::vector<std::size_t> lineEnds;  // where each line's posts end in `stream`
  for (const Text& line : lines) {
    for (std::uint32_t code : ExpectedCodes(line)) stream.push_back({target.InputWindow, kWmImeChar, code, 0, 0});
    if (clickTo) stream.push_back({*clickTo, kWmCommand, clickId, 0, 0});
    lineEnds.push_back(stream.size());
  }

  SendJob job(target, options, lines);
  SendJob::State state = SendJob::State::Working;
  for (int runs = 0;; ++runs) {
    FUZZ_CHECK(runs < 200000);  // every send ends
    const std::uint32_t slice = in.ConsumeIntegralInRange<std::uint32_t>(1, 100);
    const std::uint32_t start = desktop.Milliseconds();
    state = job.Run(desktop, desktop, slice);
    // The clock is read every 64 posts, and a post here takes at most 1 ms.
    FUZZ_CHECK(desktop.Milliseconds() - start <= slice + kAnswerProbeMs + 64);

    // The posts so far are a prefix of the stream.
    FUZZ_CHECK(desktop.posted.size() <= stream.size());
    for (std::size_t i = 0; i < desktop.posted.size(); ++i) {
      const testing::Posted& p = desktop.posted[i];
      FUZZ_CHECK(p.window == stream[i].window && p.message == stream[i].message &&
                 p.wParam == stream[i].wParam && p.lParam == 0);
    }
    if (state == SendJob::State::Finished || state == SendJob::State::Stopped) break;

    // The driver: the job's wait passes (or part of it), the user may cancel, the target may
    // stop or start answering.
    if (state == SendJob::State::Waiting) {
      const auto left = static_cast<std::int32_t>(job.WakeAt() - desktop.Milliseconds());
      // (An exhausted input lets the whole wait pass, so every run ends.)
      if (left > 0) desktop.Advance(in.ConsumeBool() ? in.ConsumeIntegralInRange(0, left) : left);
    } else {
      desktop.Advance(in.ConsumeIntegralInRange(0, 20));
    }
    switch (in.remaining_bytes() ? in.ConsumeIntegralInRange(0, 31) : 0) {
      case 1: job.Cancel(); break;
      case 2: desktop.Window(target.InputWindow).silent = !desktop.Window(target.InputWindow).silent; break;
      case 3: if (clickTo) desktop.Window(*clickTo).silent = !desktop.Window(*clickTo).silent; break;
      default: break;
    }
  }

  // Lines counted as sent are exactly those whose every post went out.
  std::size_t whole = 0;
  while (whole < lineEnds.size() && lineEnds[whole] <= desktop.posted.size()) ++whole;
  FUZZ_CHECK(job.LinesSent() == whole);
  if (state == SendJob::State::Finished) {
    FUZZ_CHECK(!job.Cancelled() && desktop.posted.size() == stream.size() && whole == lines.size());
  } else {
    bool refused = false;
    for (const Attempt& a : desktop.attempts) refused = refused || a.result != PostResult::Posted;
    // Never a failure made up: cancelled, refused, or a target that stopped answering.
    FUZZ_CHECK(job.Cancelled() || refused || !desktop.blocked.empty());
  }
  // Nothing more once it ended.
  const std::size_t posts = desktop.posted.size();
  FUZZ_CHECK(job.Run(desktop, desktop, 100) == state && desktop.posted.size() == posts);
  return 0;
}
