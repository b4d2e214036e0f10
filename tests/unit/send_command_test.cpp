#include <gtest/gtest.h>

#include "fakes/fake_desktop.h"
#include "fakes/fake_form.h"
#include "send/message_lines.h"
#include "send/send_command.h"

namespace sorelka {
namespace {

using testing::FakeDesktop;
using testing::FakeForm;

const Text kFloodQuestion = u"この操作でで禁止になる可能性があります。続けますか？";
const Text kNotOneLine = u"1行じゃないです";

template <typename Form, typename DesktopFake = FakeDesktop>
struct BasicFixture {
  Form form;
  DesktopFake desktop;
  SendCommand send{form, desktop, desktop};
  ChatTarget target;
  Hwnd dialog = desktop.Add(0, "#32770");
  Hwnd chatInput = desktop.Add(dialog, "MSNChatEdit4");
  Hwnd chatButton = desktop.Add(dialog, "SubclassButton", "", 1001);
  Hwnd messenger = desktop.Add(0, "IMWindowClass");
  Hwnd messengerButton = desktop.Add(messenger, "button", "", 2002);

  explicit BasicFixture(std::int16_t kind, Ctl mode = Ctl::Default) {
    target.Found = kTrue;
    target.Kind = kind;
    target.InputWindow = kind == KindChat ? chatInput : messenger;
    target.SendButton = kind == KindChat ? chatButton : messengerButton;
    target.ChatDialog = dialog;
    form.SetValue(mode, 1);
  }

  // What the chat window received: typed text, with '|' where its send button was pressed.
  Text Transcript() const {
    Text out;
    Ansi typed;
    auto flush = [&] {
      out += testing::FromCp932(typed);
      typed.clear();
    };
    for (const auto& p : desktop.posted) {
      if (p.message == kWmCommand) {
        flush();
        out += u'|';
      } else if (p.message == kWmImeChar) {
        if (p.wParam > 0xFF) typed.push_back(static_cast<char>((p.wParam >> 8) & 0xFF));
        typed.push_back(static_cast<char>(p.wParam & 0xFF));
      }
    }
    flush();
    return out;
  }
  // For each press of the send button, how long after the line's last character it came.
  std::vector<std::uint32_t> Pauses() const {
    std::vector<std::uint32_t> out;
    std::uint32_t lastChar = 0;
    for (const auto& p : desktop.posted) {
      if (p.message == kWmImeChar) lastChar = p.at;
      if (p.message == kWmCommand) out.push_back(p.at - lastChar);
    }
    return out;
  }
  std::size_t Count(std::uint32_t message) const {
    std::size_t n = 0;
    for (const auto& p : desktop.posted) n += p.message == message;
    return n;
  }
};
using Fixture = BasicFixture<FakeForm>;

Text Lines(int n) {
  Text t;
  for (int i = 0; i < n; ++i) {
    if (i) t += u"\r\n";
    t += static_cast<char16_t>(u'a' + i % 26);
  }
  return t;
}

TEST(SendCommand, FloodLimiterAsksOnlyBeforeMoreThanFiveLinesToChat) {
  const struct {
    std::int16_t kind;
    int lines;
    int limit;
    bool asks;
  } cases[] = {
      {KindChat, 1, 0, false},      {KindChat, 5, 0, false},       {KindChat, 6, 0, true},
      {KindChat, 30, 0, true},      {KindChat, 6, 1, false},       {KindMessenger, 6, 0, false},
      {KindMessenger, 100, 0, false},
  };
  for (const auto& c : cases) {
    Fixture f(c.kind, Ctl::AA);
    f.form.SetValue(Ctl::Limit, c.limit);
    f.form.SetText(Ctl::Message, Lines(c.lines));
    SCOPED_TRACE(::testing::Message() << "kind " << c.kind << ", " << c.lines << " lines, Limit " << c.limit);
    f.send.Click(f.target);
    if (!c.asks) {
      EXPECT_TRUE(f.form.boxes.empty());
    } else {
      ASSERT_EQ(f.form.boxes.size(), 1u);
      EXPECT_EQ(f.form.boxes[0].text, kFloodQuestion);
      EXPECT_TRUE(f.form.boxes[0].hasTitle);
      EXPECT_EQ(f.form.boxes[0].title, u"確認");
      EXPECT_EQ(f.form.boxes[0].flags, kMbYesNo);  // no icon; Yes, the first button, is the default
    }
    EXPECT_EQ(f.Count(kWmImeChar), static_cast<std::size_t>(c.lines));  // the default answer is Yes
  }
}

TEST(SendCommand, AnsweringNoSendsNothingAndKeepsTheMessage) {
  Fixture f(KindChat, Ctl::AA);
  f.form.SetText(Ctl::Message, Lines(6));
  f.form.answers.push_back(kIdNo);
  f.send.Click(f.target);
  EXPECT_TRUE(f.desktop.posted.empty());
  EXPECT_TRUE(f.desktop.sleeps.empty());
  EXPECT_EQ(f.form.GetText(Ctl::Message), Lines(6));
  EXPECT_EQ(f.form.Value(Ctl::Limit), 0);
}

TEST(SendCommand, AnsweringYesLiftsTheLimiterForLaterSends) {
  Fixture f(KindChat, Ctl::AA);
  f.form.SetText(Ctl::Message, Lines(6));
  f.form.answers.push_back(kIdYes);
  f.send.Click(f.target);
  EXPECT_EQ(f.form.Value(Ctl::Limit), 1);
  EXPECT_EQ(f.Transcript(), u"a|b|c|d|e|f|");
  EXPECT_EQ(f.form.GetText(Ctl::Message), u"");

  f.form.SetText(Ctl::Message, Lines(7));
  f.send.Click(f.target);
  EXPECT_EQ(f.form.boxes.size(), 1u);
  EXPECT_EQ(f.Count(kWmCommand), 13u);
}

TEST(SendCommand, OneLineModeRefusesSeveralLines) {
  for (const char16_t* message : {u"ab\r\ncd", u"abc\r\n", u"\r\n", u"ab\ncd", u"ab\rcd"}) {
    Fixture f(KindChat, Ctl::Default);
    f.form.SetText(Ctl::Message, message);
    f.send.Click(f.target);
    SCOPED_TRACE(::testing::PrintToString(Text(message)));
    ASSERT_EQ(f.form.boxes.size(), 1u);
    EXPECT_EQ(f.form.boxes[0].text, kNotOneLine);
    EXPECT_FALSE(f.form.boxes[0].hasTitle);  // the program's own title
    EXPECT_EQ(f.form.boxes[0].flags, kMbOk);
    EXPECT_TRUE(f.desktop.posted.empty());
    EXPECT_EQ(f.form.GetText(Ctl::Message), message);
  }
}

TEST(SendCommand, OneLineModeSendsTheLineReversed) {
  for (std::int16_t kind : {KindChat, KindMessenger}) {
    Fixture f(kind, Ctl::Default);
    f.form.SetText(Ctl::Message, u"こんにちは ");
    f.send.Click(f.target);
    EXPECT_EQ(f.Transcript(), u"はちにんこ|");
    EXPECT_EQ(f.desktop.posted.back().window, kind == KindChat ? f.dialog : f.messenger);
    EXPECT_EQ(f.form.GetText(Ctl::Message), u"");
  }
}

TEST(SendCommand, EmptyMessageSendsOneIdeographicSpaceInEveryMode) {
  for (Ctl mode : {Ctl::AA, Ctl::Default, Ctl::SAKASA}) {
    Fixture f(KindChat, mode);
    f.send.Click(f.target);
    SCOPED_TRACE(Describe(mode).name);
    ASSERT_EQ(f.desktop.posted.size(), 2u);
    EXPECT_EQ(f.desktop.posted[0].wParam, 0xFFFF8140u);
    EXPECT_EQ(f.desktop.posted[1].message, kWmCommand);
    EXPECT_EQ(f.form.GetText(Ctl::Message), u"");
  }
}

TEST(SendCommand, AsciiArtSendsEveryLineToChatWithItsOwnPauseAndSend) {
  Fixture f(KindChat, Ctl::AA);
  f.form.SetValue(Ctl::SendNow, 0);  // ASCII art goes line by line all the same
  f.form.SetValue(Ctl::Header, 1);
  f.form.SetText(Ctl::PlusWord, u">");
  f.form.SetText(Ctl::Message, u" /\\_/\\\r\n\r\n( o.o )  ");
  f.send.Click(f.target);
  EXPECT_EQ(f.Transcript(), u"> /\\_/\\|>\u3000|>( o.o )|");
  EXPECT_EQ(f.Pauses(), (std::vector<std::uint32_t>{500, 500, 500}));
  EXPECT_EQ(f.form.GetText(Ctl::Message), u"");
}

TEST(SendCommand, MultiLineReversedReversesEachLineAndKeepsTheirOrder) {
  Fixture f(KindChat, Ctl::SAKASA);
  f.form.SetText(Ctl::Message, u"abc\r\nあいう\r\n  x");
  f.send.Click(f.target);
  EXPECT_EQ(f.Transcript(), u"cba|ういあ|x  |");
}

TEST(SendCommand, MessengerAsciiArtWithoutSendNowJoinsTheLinesUnsent) {
  Fixture f(KindMessenger, Ctl::AA);
  f.form.SetValue(Ctl::SendNow, 0);
  f.form.SetText(Ctl::Message, u"ab\r\ncd\r\nef");
  f.send.Click(f.target);
  EXPECT_EQ(f.Transcript(), u"abcdef");
  EXPECT_EQ(f.Count(kWmCommand), 0u);
  EXPECT_TRUE(f.desktop.sleeps.empty());
  EXPECT_EQ(f.form.GetText(Ctl::Message), u"");
}

TEST(SendCommand, LongLinesAreFetchedWhole) {
  Text mixed;
  for (int i = 0; i < 1500; ++i) mixed += static_cast<char16_t>(u'!' + i % 90);
  const Text cases[] = {
      Text(500, u'あ'),        // 1000 bytes
      mixed,                   // 1500 bytes
      Text(1000, u'亜') + u"x",  // 2001 bytes
  };
  for (const Text& line : cases) {
    Fixture f(KindChat, Ctl::AA);
    f.form.SetText(Ctl::Message, line);
    f.send.Click(f.target);
    EXPECT_EQ(f.Count(kWmImeChar), line.size());
    EXPECT_EQ(f.Transcript(), line + u"|");
  }
}

TEST(SendCommand, StoppedSendKeepsOnlyTheLinesNotSent) {
  Fixture f(KindChat, Ctl::AA);
  const Text message = u"ab\ncd\r\nef";
  f.form.SetText(Ctl::Message, message);
  // The chat room closes right after the first line was sent.
  f.desktop.postHook = [&](Hwnd w, std::uint32_t m) {
    if (!f.desktop.IsWindow(w)) return PostResult::Failed;
    if (m == kWmCommand) {
      f.desktop.Close(f.chatInput);
      f.desktop.Close(f.dialog);
    }
    return PostResult::Posted;
  };
  f.send.Click(f.target);
  EXPECT_EQ(f.Transcript(), u"ab|");
  // The line that went out is gone from the box; the rest stays, and the status says so.
  EXPECT_EQ(f.form.GetText(Ctl::Message), u"cd\r\nef");
  EXPECT_EQ(f.form.panelText[2], u"送信を中止しました（1/3 行送信済み）");
}

TEST(SendCommand, NoModeSelectedSendsNothingAndEmptiesTheMessage) {
  Fixture f(KindChat, Ctl::Default);
  f.form.SetValue(Ctl::Default, 0);
  f.form.SetText(Ctl::Message, u"abc");
  f.send.Click(f.target);
  EXPECT_TRUE(f.desktop.posted.empty());
  EXPECT_EQ(f.form.GetText(Ctl::Message), u"");
}

TEST(SendCommand, FortyThousandLinesAreAllSent) {
  Fixture f(KindChat, Ctl::AA);
  f.form.SetValue(Ctl::Limit, 1);
  Text message;
  for (int i = 0; i < 40000; ++i) message += i ? (i % 2 ? u"\r\n" : u"\r\na") : u"a";
  f.form.SetText(Ctl::Message, message);
  f.send.Click(f.target);
  ASSERT_EQ(f.Count(kWmCommand), 40000u);
  ASSERT_EQ(f.Count(kWmImeChar), 40000u);
  EXPECT_EQ(f.desktop.posted[2].wParam, 0xFFFF8140u);  // the empty second line
  EXPECT_EQ(f.form.GetText(Ctl::Message), u"");
}

TEST(SendCommand, FortyThousandLinesCountAsManyLines) {
  // In 16 bits 40,000 would wrap to a negative count: no question, no one-line refusal.
  Fixture chat(KindChat, Ctl::Default);
  Text message = u"a";
  for (int i = 1; i < 40000; ++i) message += u"\r\na";
  chat.form.SetText(Ctl::Message, message);
  chat.form.answers.push_back(kIdYes);
  chat.send.Click(chat.target);
  ASSERT_EQ(chat.form.boxes.size(), 2u);
  EXPECT_EQ(chat.form.boxes[0].text, kFloodQuestion);
  EXPECT_EQ(chat.form.boxes[1].text, kNotOneLine);
  EXPECT_TRUE(chat.desktop.posted.empty());
}

}  // namespace
}  // namespace sorelka

namespace sorelka {
namespace {

const Text kOutOfMemory = u"メモリが足りないため送信できませんでした";

// A message too large to take whole sends nothing, says why, and the text stays.
TEST(SendCommand, MessageTooLargeToTakeSendsNothingAndKeepsTheMessage) {
  class Failing : public testing::FakeForm {
   public:
    Text MessageText() override { throw std::bad_alloc(); }
  };
  Failing form;
  testing::FakeDesktop desktop;
  SendCommand send{form, desktop, desktop};
  ChatTarget target;
  target.Kind = KindMessenger;
  target.InputWindow = desktop.Add(0, "IMWindowClass");
  form.SetValue(Ctl::AA, 1);
  form.SetText(Ctl::Message, u"ab\r\ncd\r\nef");
  send.Click(target);
  EXPECT_TRUE(desktop.posted.empty());
  EXPECT_EQ(form.GetText(Ctl::Message), u"ab\r\ncd\r\nef");
  ASSERT_EQ(form.boxes.size(), 1u);
  EXPECT_EQ(form.boxes[0].text, kOutOfMemory);
  EXPECT_FALSE(form.boxes[0].hasTitle);  // the program's own title
  EXPECT_EQ(form.boxes[0].flags, kMbOk);
}

// Memory running out in the middle of a send stops it there: the lines that went out leave the
// box, the rest stay whole, the window is as before the send, and the box says why.
TEST(SendCommand, MemoryRunningOutDuringTheSendStopsItWithTheRestKept) {
  struct FailingDesktop : FakeDesktop {
    Ansi ToAnsi(TextView t) override {
      if (t == u"cd") throw std::bad_alloc();
      return FakeDesktop::ToAnsi(t);
    }
  };
  BasicFixture<FakeForm, FailingDesktop> f(KindChat, Ctl::AA);
  f.form.SetText(Ctl::Message, u"ab\r\ncd\r\nef");
  f.send.Click(f.target);
  EXPECT_EQ(f.Transcript(), u"ab|");
  EXPECT_EQ(f.form.GetText(Ctl::Message), u"cd\r\nef");
  EXPECT_EQ(f.form.panelText[2], u"送信を中止しました（1/3 行送信済み）");
  ASSERT_EQ(f.form.boxes.size(), 1u);
  EXPECT_EQ(f.form.boxes[0].text, kOutOfMemory);
  EXPECT_FALSE(f.form.ReadOnly(Ctl::Message));
  EXPECT_EQ(f.form.GetText(Ctl::Send), u"送信");
  EXPECT_FALSE(f.send.Sending());
}

}  // namespace
}  // namespace sorelka

namespace sorelka {
namespace {

TEST(SendCommand, LineComposedBeyondTheLimitStopsTheSendBeforeItStarts) {
  const Text tooLong = u"長すぎる行があります（1行 32767 文字まで）";
  // Around every character: n + (n + 1) x insert units.
  const struct {
    std::size_t chars, insert;
    bool refused;
  } cases[] = {{127, 255, false}, {128, 255, true}, {600000, 255, true}, {32767, 0, false}, {32768, 0, true},
               // 16,777,216 + 16,777,217 x 255 is 2^32 + 255: a 32-bit count would wrap to 255
               {16777216, 255, true}};
  for (const auto& c : cases) {
    Fixture f(KindChat, Ctl::SAKASA);
    f.form.SetValue(Ctl::EveryWord, 1);
    f.form.SetText(Ctl::PlusWord, Text(c.insert, u'*'));
    const Text message = u"ok\r\n" + Text(c.chars, u'x');
    f.form.SetText(Ctl::Message, message);
    f.send.Click(f.target);
    SCOPED_TRACE(::testing::Message() << c.chars << " characters, insert " << c.insert);
    if (c.refused) {
      ASSERT_EQ(f.form.boxes.size(), 1u);
      EXPECT_EQ(f.form.boxes[0].text, tooLong);
      EXPECT_FALSE(f.form.boxes[0].hasTitle);  // the program's own title
      EXPECT_TRUE(f.desktop.posted.empty());
      EXPECT_EQ(f.form.GetText(Ctl::Message), message);
    } else {
      EXPECT_TRUE(f.form.boxes.empty());
      EXPECT_EQ(f.Count(kWmCommand), 2u);
    }
  }
}

TEST(SendCommand, LinesGoToTheWindowChosenWhenSendWasPressed) {
  Fixture f(KindChat, Ctl::AA);
  f.form.SetText(Ctl::Message, Lines(6));
  // While the flood question is open, Messenger comes to the front and becomes the target.
  f.form.onBox = [&] {
    f.target.Kind = KindMessenger;
    f.target.InputWindow = f.messenger;
  };
  f.send.Click(f.target);
  for (const auto& p : f.desktop.posted) EXPECT_NE(p.window, f.messenger);
  EXPECT_EQ(f.Count(kWmCommand), 6u);

  // The chosen chat closes while the question is open: nothing is sent, the text stays.
  Fixture g(KindChat, Ctl::AA);
  g.form.SetText(Ctl::Message, Lines(6));
  g.form.onBox = [&] { g.desktop.Close(g.chatInput); };
  g.send.Click(g.target);
  EXPECT_TRUE(g.desktop.posted.empty());
  EXPECT_EQ(g.form.GetText(Ctl::Message), Lines(6));
}

TEST(SendCommand, LongPauseKeepsTheWindowAnsweringAndEscCancelsIt) {
  Fixture f(KindChat, Ctl::AA);
  f.form.SetText(Ctl::Wait, u"60000");
  f.form.SetText(Ctl::Message, u"ab\r\ncd");
  std::vector<Text> panels;
  bool lookedBusy = true;
  f.desktop.onPump = [&, first = true]() mutable {
    panels.push_back(f.form.panelText[2]);
    lookedBusy &= f.form.ReadOnly(Ctl::Message) && f.form.GetText(Ctl::Send) == u"中止" &&
                  !f.form.Enabled(Ctl::Frame2);
    if (first) f.send.Click(f.target);  // Send during a send cancels it rather than queue a second
    first = false;
  };
  f.send.Click(f.target);
  EXPECT_TRUE(lookedBusy);
  EXPECT_EQ(panels.front(), u"送信中 1/2 行（Escで中止）");
  EXPECT_EQ(f.Count(kWmCommand), 0u);  // cancelled within the pause, before the send button
  EXPECT_EQ(f.form.GetText(Ctl::Message), u"ab\r\ncd");
  EXPECT_EQ(f.form.panelText[2], u"送信を中止しました（0/2 行送信済み）");
  EXPECT_FALSE(f.form.ReadOnly(Ctl::Message));
  EXPECT_EQ(f.form.GetText(Ctl::Send), u"送信");

  // Left alone, the whole minute passes in short waits with the window pumping between them.
  Fixture g(KindChat, Ctl::AA);
  g.form.SetText(Ctl::Wait, u"60000");
  g.form.SetText(Ctl::Message, u"ab");
  g.send.Click(g.target);
  EXPECT_EQ(g.Pauses(), std::vector<std::uint32_t>{60000});
  for (std::uint32_t ms : g.desktop.blocked) EXPECT_LE(ms, 100u);
  for (std::size_t i = 1; i < g.desktop.pumpTimes.size(); ++i)
    EXPECT_LE(g.desktop.pumpTimes[i] - g.desktop.pumpTimes[i - 1], 100u);
  EXPECT_EQ(g.form.GetText(Ctl::Message), u"");
}

TEST(SendCommand, TargetThatStopsAnsweringStopsTheSendWithTheTextKept) {
  Fixture f(KindMessenger, Ctl::AA);
  f.form.SetText(Ctl::Message, u"ab\r\ncd");
  f.desktop.Window(f.messenger).silent = true;  // takes posts, but its thread answers nothing
  f.send.Click(f.target);
  EXPECT_EQ(f.Count(kWmCommand), 0u);
  EXPECT_EQ(f.form.GetText(Ctl::Message), u"ab\r\ncd");
  for (std::uint32_t ms : f.desktop.blocked) EXPECT_LE(ms, 100u);
}

}  // namespace
}  // namespace sorelka

namespace sorelka {
namespace {

// A slice that runs out on a line's last character must still count the line as sent, so a
// cancel right then cannot leave it in the box to be typed a second time.
TEST(SendJob, LineTypedWholeIsCountedEvenWhenTheSliceEndsOnItsLastCharacter) {
  FakeDesktop desktop;
  Hwnd messenger = desktop.Add(0, "IMWindowClass");
  desktop.postHook = [&](Hwnd, std::uint32_t) {
    desktop.Advance(1);  // every post takes a millisecond
    return PostResult::Posted;
  };
  ChatTarget target;
  target.Kind = KindMessenger;
  target.InputWindow = messenger;
  SendJob job(target, DeliveryOptions{}, {Text(64, u'a'), u"bbb"});  // no send click is due
  job.Run(desktop, desktop, 10);
  job.Cancel();
  EXPECT_EQ(job.Run(desktop, desktop, 10), SendJob::State::Stopped);
  EXPECT_EQ(desktop.posted.size(), 64u);
  EXPECT_EQ(job.LinesSent(), 1u);
}

}  // namespace
}  // namespace sorelka

namespace sorelka {
namespace {

const Text kNoCode = u"送信できない文字があります：";

// What code page 932 cannot carry is refused before anything is posted or asked, naming the
// first such character; a character with a code (① among the NEC specials) goes through.
TEST(SendCommand, CharactersWithoutACodeAreRefusedNeverReplaced) {
  const struct {
    const char16_t* message;
    const char16_t* insert;
    Ctl option;      // Ctl::Count: no option puts the insert in
    const char16_t* refused;  // nullptr: sent
  } cases[] = {
      {u"5\u20AC", u"", Ctl::Count, u"\u20AC"},                  // the euro sign
      {u"ok\r\n안녕 \U0001F600", u"", Ctl::Count, u"안"},          // Hangul: the first one named
      {u"a\U0001F600b\u20AC", u"", Ctl::Count, u"\U0001F600"},    // an emoji whole, both halves
      {u"a\xD83D" u"b", u"", Ctl::Count, u"\xD83D"},              // a lone surrogate
      {u"①②", u"", Ctl::Count, nullptr},
      {u"ab", u"\u20AC", Ctl::Header, u"\u20AC"},
      {u"ab", u"\u20AC", Ctl::Footer, u"\u20AC"},
      {u"ab", u"\u20AC", Ctl::EveryWord, u"\u20AC"},
      {u"ab", u"\u20AC", Ctl::Count, nullptr},                     // an insert left out is not looked at
      {u"\u20AC\r\n1\r\n2\r\n3\r\n4\r\n5", u"", Ctl::Count, u"\u20AC"},  // before the flood question
      {u"café\r\na·b", u"", Ctl::Count, u"é"},                 // look-alikes by best fit only
      {u"ab", u"*\r*", Ctl::Header, u"\r"},                      // an insert's line break would be typed
      {u"ab", u"\n", Ctl::EveryWord, u"\n"},
  };
  for (const auto& c : cases) {
    Fixture f(KindChat, Ctl::AA);
    f.form.SetText(Ctl::PlusWord, c.insert);
    if (c.option != Ctl::Count) f.form.SetValue(c.option, 1);
    f.form.SetText(Ctl::Message, c.message);
    f.send.Click(f.target);
    SCOPED_TRACE(::testing::PrintToString(Text(c.message)));
    if (!c.refused) {
      EXPECT_TRUE(f.form.boxes.empty());
      EXPECT_EQ(f.Transcript(), Text(c.message) + u"|");
      continue;
    }
    ASSERT_EQ(f.form.boxes.size(), 1u);
    EXPECT_EQ(f.form.boxes[0].text, kNoCode + c.refused);
    EXPECT_FALSE(f.form.boxes[0].hasTitle);  // the program's own title
    EXPECT_EQ(f.form.boxes[0].flags, kMbOk);
    EXPECT_TRUE(f.desktop.posted.empty());
    EXPECT_EQ(f.form.GetText(Ctl::Message), c.message);
  }
}

// The box is changed at the end of a send only while it still holds the text taken at the
// click: a text another program set into it meanwhile stays, whether the send finished or not.
TEST(SendCommand, TextSetIntoTheBoxDuringTheSendSurvivesIt) {
  for (bool cancel : {false, true}) {
    Fixture f(KindChat, Ctl::AA);
    f.form.SetText(Ctl::Message, u"ab\r\ncd");
    f.desktop.onPump = [&, first = true]() mutable {
      if (first) f.form.SetText(Ctl::Message, u"new");
      if (first && cancel) f.send.Cancel();
      first = false;
    };
    f.send.Click(f.target);
    SCOPED_TRACE(cancel ? "cancelled" : "finished");
    EXPECT_EQ(f.form.GetText(Ctl::Message), u"new");
  }
}

// The box is read once, whole, and split into lines: sixty thousand lines reach the flood
// question after that one read, and the question and the one-line check count that split.
TEST(SendCommand, TheBoxIsReadOnceAndSplitAtEveryLineBreak) {
  Fixture f(KindChat, Ctl::AA);
  Text message = u"a";
  for (int i = 1; i < 60000; ++i) message += u"\ra";  // lone CRs: 60,000 lines
  f.form.SetText(Ctl::Message, message);
  int readsAtTheQuestion = -1;
  f.form.onBox = [&] { readsAtTheQuestion = f.form.messageReads; };
  f.form.answers.push_back(kIdNo);
  f.send.Click(f.target);
  EXPECT_EQ(readsAtTheQuestion, 1);
  EXPECT_TRUE(f.desktop.posted.empty());

  // Lines parted by a CR, an LF and CR LF each go out with their own send; no break is typed.
  Fixture h(KindChat, Ctl::AA);
  h.form.SetText(Ctl::Message, u"ab\rcd\nef\r\ngh");
  h.send.Click(h.target);
  EXPECT_EQ(h.Transcript(), u"ab|cd|ef|gh|");
}

}  // namespace
}  // namespace sorelka
