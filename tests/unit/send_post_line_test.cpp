#include <gtest/gtest.h>

#include "fakes/fake_desktop.h"
#include "fakes/fake_form.h"
#include "send/cp932_codes.h"
#include "send/options_from_form.h"
#include "support/post_line.h"

namespace sorelka {
namespace {

using testing::FakeDesktop;
using testing::FakeForm;

constexpr int kSendButtonId = 1001;

// An MSN Chat room and a Messenger window side by side; a test picks one as the target.
struct Fixture {
  FakeForm form;
  FakeDesktop desktop;
  Hwnd dialog = desktop.Add(0, "#32770");
  Hwnd chatInput = desktop.Add(dialog, "MSNChatEdit4");
  Hwnd chatButton = desktop.Add(dialog, "SubclassButton", "", kSendButtonId);
  Hwnd messenger = desktop.Add(0, "IMWindowClass");
  Hwnd messengerButton = desktop.Add(messenger, "button", "", kSendButtonId);

  ChatTarget Target(std::int16_t kind) const {
    ChatTarget t;
    t.Found = kTrue;
    t.Kind = kind;
    t.InputWindow = kind == KindChat ? chatInput : messenger;
    t.SendButton = kind == KindChat ? chatButton : messengerButton;
    t.ChatDialog = dialog;
    return t;
  }
  bool Post(const Text& line, std::int16_t kind) { return PostLine(line, Target(kind), DeliveryOptionsOf(form), desktop, desktop); }

  std::vector<std::uintptr_t> Typed() const {
    std::vector<std::uintptr_t> codes;
    for (const auto& p : desktop.posted)
      if (p.message == kWmImeChar) codes.push_back(p.wParam);
    return codes;
  }
  std::vector<testing::Posted> Commands() const {
    std::vector<testing::Posted> out;
    for (const auto& p : desktop.posted)
      if (p.message == kWmCommand) out.push_back(p);
    return out;
  }
};

TEST(PostLine, EachUnitIsPostedAsItsCodePage932Code) {
  const struct {
    const char16_t* line;
    std::vector<std::uintptr_t> codes;
  } cases[] = {
      {u"a", {0x61}},
      {u"ab", {0x61, 0x62}},
      {u"ｱ", {0xB1}},   // half-width katakana: one byte, above 0x7F, not sign-extended
      {u"ﾟ", {0xDF}},
      {u"\u3000", {0xFFFF8140}},  // double-byte: low word the code, high word all ones
      {u"あ", {0xFFFF82A0}},
      {u"表", {0xFFFF955C}},      // trail byte 0x5C stays in the low byte
      {u"aあｱ", {0x61, 0xFFFF82A0, 0xB1}},
      {u"é", {0x3F}},             // no code in 932: the default character
      {u"\xD800", {0x3F}},        // a lone surrogate
      {u"\U0001F600", {0x3F, 0x3F}},  // one post per unit, even for a pair
  };
  for (const auto& c : cases) {
    Fixture f;
    f.form.SetValue(Ctl::SendNow, 0);
    SCOPED_TRACE(::testing::PrintToString(Text(c.line)));
    EXPECT_TRUE(f.Post(c.line, KindMessenger));
    EXPECT_EQ(f.Typed(), c.codes);
    for (const auto& p : f.desktop.posted) {
      EXPECT_EQ(p.window, f.messenger);
      EXPECT_EQ(p.lParam, 0);
    }
  }
}

// A conversion that yields no single code (nothing, or more than two bytes) types '?'.
TEST(PostLine, UnitWithoutASingleCodeIsTypedAsQuestionMark) {
  struct OddConversions : FakeDesktop {
    Ansi ToAnsi(TextView t) override {
      if (t == u"0") return "";
      if (t == u"3") return "abc";
      return FakeDesktop::ToAnsi(t);
    }
  } desktop;
  EXPECT_EQ(Cp932Code(desktop, u'0'), 0x3Fu);
  EXPECT_EQ(Cp932Code(desktop, u'3'), 0x3Fu);
  EXPECT_EQ(Cp932Code(desktop, u'1'), 0x31u);
}

TEST(PostLine, OneLineToChatIsTypedPausedThenSent) {
  Fixture f;
  ASSERT_TRUE(f.Post(u"ab", KindChat));
  const auto& posted = f.desktop.posted;
  ASSERT_EQ(posted.size(), 3u);
  EXPECT_EQ(posted[0].window, f.chatInput);
  EXPECT_EQ(posted[0].message, kWmImeChar);
  EXPECT_EQ(posted[0].wParam, 0x61u);
  EXPECT_EQ(posted[1].window, f.chatInput);
  EXPECT_EQ(posted[1].wParam, 0x62u);
  EXPECT_EQ(posted[2].window, f.dialog);
  EXPECT_EQ(posted[2].message, kWmCommand);
  EXPECT_EQ(posted[2].wParam, static_cast<std::uintptr_t>(kSendButtonId));
  EXPECT_EQ(posted[2].lParam, 0);
  EXPECT_EQ(posted[2].at - posted[1].at, 500u);
  EXPECT_EQ(f.desktop.sleeps, std::vector<std::uint32_t>{500});
}

enum class SentTo { Nothing, ChatDialog, InputWindow };

TEST(PostLine, WhetherAndWhereTheSendButtonIsPressed) {
  const struct {
    std::int16_t kind;
    int sendNow;
    bool sendNowEnabled;
    Ctl mode;
    SentTo expected;
  } cases[] = {
      {KindChat, 1, true, Ctl::Default, SentTo::ChatDialog},
      {KindChat, 0, true, Ctl::Default, SentTo::Nothing},
      {KindChat, 0, false, Ctl::AA, SentTo::ChatDialog},  // ASCII art sends every line to Chat
      {KindChat, 1, false, Ctl::AA, SentTo::ChatDialog},
      {KindChat, 1, false, Ctl::SAKASA, SentTo::ChatDialog},  // the tick counts while disabled
      {KindChat, 0, false, Ctl::SAKASA, SentTo::Nothing},
      {KindChat, 2, true, Ctl::Default, SentTo::Nothing},  // grey is not ticked
      {KindMessenger, 1, true, Ctl::Default, SentTo::InputWindow},
      {KindMessenger, 0, true, Ctl::Default, SentTo::Nothing},
      {KindMessenger, 0, false, Ctl::AA, SentTo::Nothing},  // lines join in the input box
      {KindMessenger, 1, false, Ctl::AA, SentTo::InputWindow},
      {KindMessenger, 2, true, Ctl::Default, SentTo::Nothing},
      {KindUnknown, 1, true, Ctl::Default, SentTo::Nothing},
      {KindUnknown, 1, false, Ctl::AA, SentTo::Nothing},
  };
  for (const auto& c : cases) {
    Fixture f;
    f.form.SetValue(c.mode, 1);
    f.form.SetValue(Ctl::SendNow, c.sendNow);
    f.form.SetEnabled(Ctl::SendNow, c.sendNowEnabled);
    SCOPED_TRACE(::testing::Message() << "kind " << c.kind << " SendNow " << c.sendNow << " "
                                      << Describe(c.mode).name);
    ASSERT_TRUE(f.Post(u"x", c.kind));
    EXPECT_EQ(f.Typed().size(), 1u);
    const auto commands = f.Commands();
    if (c.expected == SentTo::Nothing) {
      EXPECT_TRUE(commands.empty());
      EXPECT_TRUE(f.desktop.sleeps.empty());  // no send, no pause
      continue;
    }
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(commands[0].window, c.expected == SentTo::ChatDialog ? f.dialog : f.messenger);
    EXPECT_EQ(f.desktop.posted.back().message, kWmCommand);  // after the characters
    EXPECT_EQ(f.desktop.sleeps, std::vector<std::uint32_t>{500});
  }
}

TEST(PostLine, PauseBeforeTheSendComesFromWait) {
  const struct {
    const char16_t* wait;
    std::vector<std::uint32_t> sleeps;  // none at all for a pause of 0
  } cases[] = {
      {u"500", {500}},     {u"0", {}},        {u"", {}},          {u"abc", {}},
      {u"250.5", {250}},   {u"1E3", {1000}},  {u"5 0 0", {500}},  {u"500ms", {500}},
      {u"-5", {}},         {u"1e999", {2147483647}},
  };
  for (const auto& c : cases) {
    Fixture f;
    f.form.SetText(Ctl::Wait, c.wait);
    SCOPED_TRACE(::testing::PrintToString(Text(c.wait)));
    ASSERT_TRUE(f.Post(u"x", KindChat));
    EXPECT_EQ(f.desktop.sleeps, c.sleeps);
    EXPECT_EQ(f.Commands().size(), 1u);
  }
}

TEST(PostLine, SendCommandCarriesTheButtonIdentifierWithBnClicked) {
  const struct {
    int id;
    std::uintptr_t wParam;
  } cases[] = {{1001, 1001}, {1, 1}, {0, 0}, {0xFFFF, 0xFFFF}, {-1, 0xFFFF}};
  for (const auto& c : cases) {
    Fixture f;
    f.desktop.Window(f.chatButton).controlId = c.id;
    ASSERT_TRUE(f.Post(u"x", KindChat));
    ASSERT_EQ(f.Commands().size(), 1u) << c.id;
    EXPECT_EQ(f.Commands()[0].wParam, c.wParam) << c.id;
  }
}

TEST(PostLine, NoSendButtonStillSendsWithIdentifierZero) {
  Fixture f;
  ChatTarget target = f.Target(KindMessenger);
  target.SendButton = 0;
  ASSERT_TRUE(PostLine(u"x", target, DeliveryOptionsOf(f.form), f.desktop, f.desktop));
  ASSERT_EQ(f.Commands().size(), 1u);
  EXPECT_EQ(f.Commands()[0].wParam, 0u);
}

// --- a target that is slow, stuck, hung or gone ---

Text Sample() { return u"あいうえおabc\u3000ｱ"; }
std::vector<std::uintptr_t> SampleCodes() {
  return {0xFFFF82A0, 0xFFFF82A2, 0xFFFF82A4, 0xFFFF82A6, 0xFFFF82A8, 0x61, 0x62, 0x63, 0xFFFF8140, 0xB1};
}

TEST(PostLine, FullQueueIsRetriedUntilEveryCharacterIsDeliveredInOrder) {
  Fixture f;
  // Every second message meets a full queue three times before it goes in.
  int refusals = 0;
  f.desktop.postHook = [&](Hwnd, std::uint32_t) {
    if (f.desktop.posted.size() % 2 == 1 && refusals < 3) {
      ++refusals;
      return PostResult::QueueFull;
    }
    refusals = 0;
    return PostResult::Posted;
  };
  ASSERT_TRUE(f.Post(Sample(), KindChat));
  EXPECT_EQ(f.Typed(), SampleCodes());
  EXPECT_EQ(f.Commands().size(), 1u);
  ASSERT_EQ(f.desktop.sleeps.size(), 5 * 3 + 1u);  // 11 messages, 5 of them refused 3 times
  for (std::size_t i = 0; i + 1 < f.desktop.sleeps.size(); ++i) EXPECT_EQ(f.desktop.sleeps[i], kQueueRetryMs);
  EXPECT_EQ(f.desktop.sleeps.back(), 500u);
}

TEST(PostLine, SlowQueueIsWaitedForAsLongAsItMoves) {
  Fixture f;
  // Each message waits four seconds for room: twenty seconds for the line, never five without progress.
  std::uint32_t since = f.desktop.Milliseconds();
  f.desktop.postHook = [&](Hwnd, std::uint32_t) {
    if (f.desktop.Milliseconds() - since < 4000) return PostResult::QueueFull;
    since = f.desktop.Milliseconds();
    return PostResult::Posted;
  };
  ASSERT_TRUE(f.Post(u"abcde", KindMessenger));
  EXPECT_EQ(f.Typed(), (std::vector<std::uintptr_t>{0x61, 0x62, 0x63, 0x64, 0x65}));
}

TEST(PostLine, QueueStuckFullGivesUpAfterTheStallLimit) {
  Fixture f;
  int accepted = 0;
  f.desktop.postHook = [&](Hwnd, std::uint32_t) {
    if (accepted == 3) return PostResult::QueueFull;
    ++accepted;
    return PostResult::Posted;
  };
  const std::uint32_t start = f.desktop.Milliseconds();
  EXPECT_FALSE(f.Post(Sample(), KindChat));
  const std::uint32_t waited = f.desktop.Milliseconds() - start;
  EXPECT_GE(waited, kQueueStallMs);
  EXPECT_LE(waited, kQueueStallMs + kQueueRetryMs);
  EXPECT_EQ(f.Typed().size(), 3u);
  EXPECT_TRUE(f.Commands().empty());
  for (std::uint32_t s : f.desktop.sleeps) EXPECT_EQ(s, kQueueRetryMs);  // no pause before a send
}

TEST(PostLine, TargetThatStopsAnsweringIsNotWaitedFor) {
  enum class Change { Closed, Hung };
  for (Change change : {Change::Closed, Change::Hung}) {
    Fixture f;
    int accepted = 0;
    f.desktop.postHook = [&](Hwnd w, std::uint32_t) {
      if (accepted < 2) {
        ++accepted;
        return PostResult::Posted;
      }
      if (change == Change::Closed) f.desktop.Close(w);
      else f.desktop.Window(w).hung = true;
      return PostResult::QueueFull;
    };
    SCOPED_TRACE(change == Change::Closed ? "closed" : "hung");
    EXPECT_FALSE(f.Post(Sample(), KindChat));
    EXPECT_EQ(f.Typed().size(), 2u);
    EXPECT_TRUE(f.Commands().empty());
    EXPECT_TRUE(f.desktop.sleeps.empty());
  }
}

TEST(PostLine, TargetGoneStopsAtOnceWithoutPause) {
  Fixture f;
  f.desktop.Close(f.chatInput);
  EXPECT_FALSE(f.Post(Sample(), KindChat));
  EXPECT_TRUE(f.desktop.posted.empty());
  EXPECT_TRUE(f.desktop.sleeps.empty());
}

TEST(PostLine, TargetClosingMidLineStopsThere) {
  Fixture f;
  f.desktop.postHook = [&](Hwnd w, std::uint32_t) {
    if (f.desktop.posted.size() == 4) f.desktop.Close(w);
    return f.desktop.IsWindow(w) ? PostResult::Posted : PostResult::Failed;
  };
  EXPECT_FALSE(f.Post(Sample(), KindChat));
  const auto codes = SampleCodes();
  EXPECT_EQ(f.Typed(), (std::vector<std::uintptr_t>(codes.begin(), codes.begin() + 4)));
  EXPECT_TRUE(f.Commands().empty());
}

// A post refused for another reason (the window still there) would leave a character out.
TEST(PostLine, FailedPostStopsTheLineRatherThanDropACharacter) {
  Fixture f;
  f.desktop.postHook = [&](Hwnd, std::uint32_t) {
    return f.desktop.posted.size() == 1 ? PostResult::Failed : PostResult::Posted;
  };
  EXPECT_FALSE(f.Post(u"abc", KindChat));
  EXPECT_EQ(f.Typed(), std::vector<std::uintptr_t>{0x61});
  EXPECT_TRUE(f.Commands().empty());
}

TEST(PostLine, SendCommandRefusedReportsTheLineUndelivered) {
  Fixture f;
  f.desktop.postHook = [&](Hwnd w, std::uint32_t m) {
    if (m == kWmCommand) f.desktop.Close(w);
    return f.desktop.IsWindow(w) ? PostResult::Posted : PostResult::Failed;
  };
  EXPECT_FALSE(f.Post(u"ab", KindChat));
  EXPECT_EQ(f.Typed().size(), 2u);
}

}  // namespace
}  // namespace sorelka

namespace sorelka {
namespace {

// The whole-line conversion must give exactly the codes of the unit-by-unit one.
TEST(PostLine, WholeLineCodesMatchUnitByUnitCodes) {
  testing::FakeDesktop desktop;
  const Text line = u"abc ｱｲｳﾐﾘ　あいう表ソ能é\\~¥‾\U0001F600\xD800z";
  std::vector<std::uint32_t> perUnit;
  for (char16_t u : line) perUnit.push_back(Cp932Code(desktop, u));
  EXPECT_EQ(LineCodes(desktop, line), perUnit);
  EXPECT_EQ(LineCodes(desktop, line.substr(0, 20)), std::vector<std::uint32_t>(perUnit.begin(), perUnit.begin() + 20));

  // A conversion that merges units is not trusted: the line goes unit by unit.
  struct Merging : testing::FakeDesktop {
    Ansi ToAnsi(TextView t) override { return t.size() > 1 ? Ansi("?") : FakeDesktop::ToAnsi(t); }
  } merging;
  EXPECT_EQ(LineCodes(merging, u"ab"), (std::vector<std::uint32_t>{0x61, 0x62}));
}

}  // namespace
}  // namespace sorelka
