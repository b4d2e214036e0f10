#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/main_form.h"
#include "fakes/fake_desktop.h"
#include "fakes/fake_form.h"

namespace sorelka {
namespace {

using testing::FakeDesktop;
using testing::FakeForm;
using testing::ToCp932;

const Text kPhrase = u"　を選択しました。";

// A log of status-bar writes and switches of the sending controls, to see that a tick which
// changes nothing writes nothing. The own window is a window of the fake desktop so that the
// tick really reads it before passing it over.
class OrderedForm : public FakeForm {
 public:
  void SetPanelText(int panel, const Text& t) override {
    events.push_back("panel" + std::to_string(panel) + " text");
    FakeForm::SetPanelText(panel, t);
  }
  void SetPanelIcon(int panel, int icon) override {
    events.push_back("panel" + std::to_string(panel) + " icon");
    FakeForm::SetPanelIcon(panel, icon);
  }
  void SetEnabled(Ctl c, bool e) override {
    if (c == Ctl::AA) events.push_back(e ? "switch on" : "switch off");  // the first one switched
    FakeForm::SetEnabled(c, e);
  }
  Hwnd WindowHandle() override { return own; }

  Hwnd own = 0;
  std::vector<std::string> events;
};

// A browser frame, and the chat control that may be added inside it later.
struct Frame {
  Hwnd frame = 0, server = 0;
};
struct ChatControl {
  Hwnd dialog = 0, edit = 0, button = 0;
};

struct Poll {
  OrderedForm form;
  FakeDesktop desktop;
  MainForm main{form, desktop, desktop};

  Poll() {
    form.own = desktop.AddText(0, "ThunderRT6FormDC", u"Sorelka 2.0 for XP");
    main.Load();
    Forget();
  }
  void Forget() {
    form.events.clear();
    form.enableLog.clear();
  }
  void Front(Hwnd w) {
    desktop.SetForeground(w);
    main.Timer1Tick();
  }
  Hwnd App(const Ansi& className, const Text& title) { return desktop.AddText(0, className, title); }
  Hwnd Messenger(const Text& title, bool withButton = true) {
    Hwnd w = desktop.AddText(0, "IMWindowClass", title);
    desktop.Add(w, "RichEdit20W");
    if (withButton) desktop.AddText(w, "Button", u"送信(&S)");
    return w;
  }
  Frame Browser(const Text& title, const Ansi& className = "IEFrame") {
    Frame f;
    f.frame = desktop.AddText(0, className, title);
    Hwnd view = desktop.Add(f.frame, "Shell DocObject View");
    f.server = desktop.Add(view, "Internet Explorer_Server");
    return f;
  }
  ChatControl AddChatControl(const Frame& f) {
    ChatControl c;
    c.dialog = desktop.Add(f.server, "#32770");
    Hwnd atl = desktop.Add(c.dialog, "ATL:3723F798");
    c.edit = desktop.Add(atl, "MSNChatEdit4");
    c.button = desktop.AddText(c.dialog, "SubclassButton", u"発言");
    desktop.AddText(c.dialog, "Static", u"雑談部屋");
    return c;
  }
  bool SendingEnabled() { return form.Enabled(Ctl::Send) && form.Enabled(Ctl::Message); }
  bool SendingDisabled() { return !form.Enabled(Ctl::Send) && !form.Enabled(Ctl::Message); }
};

// Every count the fake desktop keeps, to see that nothing beyond GetForegroundWindow ran.
struct Calls {
  int foreground, className, windowText, find, lastSibling;
  bool operator==(const Calls&) const = default;
};
Calls CallsOf(const FakeDesktop& d) {
  return {d.foregroundCalls, d.classNameCalls, d.windowTextCalls, d.findCalls, d.lastSiblingCalls};
}

TEST(PollForeground, IdleTickCostsOneForegroundCallAndNothingElse) {
  Poll p;
  Frame f = p.Browser(u"MSN チャット");
  p.AddChatControl(f);
  p.Front(f.frame);
  const ChatTarget target = p.main.discovery().Target();
  p.Forget();
  Calls before = CallsOf(p.desktop);
  for (int i = 0; i < 3; ++i) p.main.Timer1Tick();
  Calls expected = before;
  expected.foreground += 3;
  EXPECT_EQ(CallsOf(p.desktop), expected);
  EXPECT_TRUE(p.form.events.empty());
  EXPECT_TRUE(p.form.enableLog.empty());
  EXPECT_EQ(p.main.discovery().Target(), target);
}

TEST(PollForeground, ChatControlBecomesTheWholeTarget) {
  Poll p;
  p.Front(p.Messenger(u"Alice"));  // leaves a class name that the chat record must not keep
  Frame f = p.Browser(u"MSN チャット");
  ChatControl c = p.AddChatControl(f);
  p.Forget();
  p.Front(f.frame);
  const ChatTarget expected{kTrue, KindChat, u"", c.edit, u"雑談部屋", c.button, c.dialog};
  EXPECT_EQ(p.main.discovery().Target(), expected);
  EXPECT_EQ(p.main.discovery().LastForeground(), f.frame);  // the frame, not the input box the walk reached
  EXPECT_EQ(p.form.panelText[1], u"M$Nチャット ");
  EXPECT_EQ(p.form.panelIcon[1], 1);
  EXPECT_EQ(p.form.panelText[2], u"雑談部屋" + kPhrase);
  EXPECT_TRUE(p.SendingEnabled());
}

TEST(PollForeground, ChatThenAssistantThenSameChatExaminesTheChatOnce) {
  Poll p;
  Frame f = p.Browser(u"MSN チャット");
  p.AddChatControl(f);
  p.Front(f.frame);
  const ChatTarget target = p.main.discovery().Target();
  const auto panels = p.form.panelText;
  const int finds = p.desktop.findCalls;
  EXPECT_EQ(p.desktop.classNameCalls, 1);

  p.Forget();
  p.Front(p.form.own);
  p.main.Timer1Tick();
  EXPECT_EQ(p.desktop.classNameCalls, 1);  // the assistant in front reads nothing, tick after tick
  EXPECT_EQ(p.main.discovery().LastForeground(), f.frame);
  p.Front(f.frame);
  EXPECT_EQ(p.desktop.classNameCalls, 1);  // the way back is an idle tick
  EXPECT_EQ(p.desktop.findCalls, finds);
  EXPECT_EQ(p.main.discovery().Target(), target);
  EXPECT_EQ(p.form.panelText, panels);
  EXPECT_TRUE(p.form.events.empty());
  EXPECT_TRUE(p.SendingEnabled());
}

TEST(PollForeground, FrameShownBeforeItsChatControlIsExaminedAgainOnlyAfterAnotherWindow) {
  Poll p;
  Frame f = p.Browser(u"MSN チャット - 読み込み中");
  Hwnd notepad = p.App("Notepad", u"無題 - メモ帳");
  p.Front(f.frame);
  EXPECT_EQ(p.main.discovery().Target().Kind, KindUnknown);
  EXPECT_EQ(p.main.discovery().Target().InputWindow, 0u);

  ChatControl c = p.AddChatControl(f);
  p.main.Timer1Tick();
  p.Front(p.form.own);
  p.Front(f.frame);
  EXPECT_EQ(p.main.discovery().Target().Kind, KindUnknown) << "the assistant does not count as another window";
  EXPECT_TRUE(p.SendingDisabled());

  p.Front(notepad);
  EXPECT_EQ(p.main.discovery().Target().InputWindow, notepad);
  p.Front(f.frame);
  EXPECT_EQ(p.main.discovery().Target().Kind, KindChat);
  EXPECT_EQ(p.main.discovery().Target().InputWindow, c.edit);
  EXPECT_TRUE(p.SendingEnabled());
}

TEST(PollForeground, OrdinaryWebPageIsAnUnknownTargetWithoutInputWindow) {
  Poll p;
  Frame f = p.Browser(u"ニュース速報：きょうの天気と交通情報 - Microsoft Internet Explorer");
  p.Front(f.frame);
  EXPECT_EQ(p.main.discovery().Target().Kind, KindUnknown);
  EXPECT_EQ(p.main.discovery().Target().ClassName, u"IEFrame");
  EXPECT_EQ(p.main.discovery().Target().InputWindow, 0u);
  EXPECT_EQ(p.main.discovery().Target().Title, u"ニュース速報：きょうの天気と交通情報 - Micr");
  EXPECT_EQ(p.main.discovery().LastForeground(), f.frame);
  EXPECT_TRUE(p.SendingDisabled());
  EXPECT_EQ(p.form.panelText[1], u"不明なアプリケーション");
  EXPECT_EQ(p.form.panelIcon[1], 2);
  EXPECT_EQ(p.form.panelText[2], u"ニュース速報：きょうの天気と交通情報 - Micr" + kPhrase);
}

TEST(PollForeground, UntitledWindowChangesOnlyLastForeground) {
  Poll p;
  p.Front(p.Messenger(u"Alice"));
  const ChatTarget target = p.main.discovery().Target();
  p.Forget();
  Hwnd tray = p.App("Shell_TrayWnd", u"");
  p.Front(tray);
  EXPECT_EQ(p.main.discovery().LastForeground(), tray);
  EXPECT_EQ(p.main.discovery().Target(), target);
  EXPECT_TRUE(p.form.events.empty());
  EXPECT_TRUE(p.form.enableLog.empty());
  EXPECT_TRUE(p.SendingEnabled());
}

TEST(PollForeground, UntitledPageInABrowserDisablesSendingButKeepsTheTarget) {
  Poll p;
  p.Front(p.Messenger(u"Alice"));
  const ChatTarget target = p.main.discovery().Target();
  Frame f = p.Browser(u"");
  p.Front(f.frame);
  EXPECT_EQ(p.main.discovery().LastForeground(), f.frame);
  EXPECT_EQ(p.main.discovery().Target(), target);
  EXPECT_TRUE(p.SendingDisabled());
  EXPECT_EQ(p.form.panelText[1], u"メッセンジャー");
}

TEST(PollForeground, NoWindowInFrontForgetsLastForegroundAndKeepsTheTarget) {
  Poll p;
  Hwnd notepad = p.App("Notepad", u"メモ");
  p.Front(notepad);
  const ChatTarget target = p.main.discovery().Target();
  p.Forget();
  p.desktop.strayBytes = ToCp932(u"?x?x文字列");
  p.Front(0);
  EXPECT_EQ(p.main.discovery().LastForeground(), 0u);
  EXPECT_EQ(p.main.discovery().Target(), target);
  EXPECT_TRUE(p.form.events.empty());
  // The same window coming back is new again.
  p.Front(notepad);
  EXPECT_EQ(p.main.discovery().LastForeground(), notepad);
  EXPECT_FALSE(p.form.events.empty());
}

TEST(PollForeground, MessengerWindowIsChosenWithItsFirstButtonChild) {
  struct Case {
    const char* name;
    std::vector<Ansi> children;  // direct children, top of the Z order first
    int button;                  // index into children, -1: none
  };
  const Case cases[] = {
      {"no children", {}, -1},
      {"no button", {"RichEdit20W", "Static"}, -1},
      {"first of two buttons", {"RichEdit20W", "Button", "button"}, 1},
      {"button class in any case", {"BUTTON"}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Poll p;
    Frame f = p.Browser(u"MSN チャット");
    ChatControl chat = p.AddChatControl(f);
    p.Front(f.frame);  // Found and ChatDialog from here must survive
    Hwnd w = p.desktop.AddText(0, "IMWindowClass", u"Alice - 会話");
    std::vector<Hwnd> kids;
    for (const Ansi& cls : c.children) kids.push_back(p.desktop.Add(w, cls));
    p.Front(w);
    const ChatTarget expected{kTrue, KindMessenger, u"IMWindowClass", w, u"Alice - 会話",
                              c.button < 0 ? 0 : kids[c.button], chat.dialog};
    EXPECT_EQ(p.main.discovery().Target(), expected);
    EXPECT_EQ(p.form.panelText[1], u"メッセンジャー");
    EXPECT_EQ(p.form.panelIcon[1], 0);
    EXPECT_EQ(p.form.panelText[2], u"Alice - 会話" + kPhrase);
    EXPECT_TRUE(p.SendingEnabled());
  }
}

TEST(PollForeground, ButtonOfAChildWindowIsNotMessengersButton) {
  Poll p;
  Hwnd w = p.desktop.AddText(0, "IMWindowClass", u"Bob");
  Hwnd pane = p.desktop.Add(w, "DirectUIHWND");
  p.desktop.Add(pane, "button");
  p.Front(w);
  EXPECT_EQ(p.main.discovery().Target().Kind, KindMessenger);
  EXPECT_EQ(p.main.discovery().Target().SendButton, 0u);
}

TEST(PollForeground, OtherWindowAfterAChatDisablesSendingAndIsNamed) {
  Poll p;
  p.Front(p.Messenger(u"Alice"));
  ASSERT_TRUE(p.SendingEnabled());
  p.Front(p.App("Notepad", u"メモ帳"));
  EXPECT_TRUE(p.SendingDisabled());
  EXPECT_EQ(p.form.panelText[1], u"不明なアプリケーション");
  EXPECT_EQ(p.form.panelIcon[1], 2);
  EXPECT_EQ(p.form.panelText[2], u"メモ帳" + kPhrase);
}

TEST(PollForeground, OtherWindowKeepsFoundSendButtonAndChatDialog) {
  Poll p;
  Frame f = p.Browser(u"MSN チャット");
  ChatControl c = p.AddChatControl(f);
  p.Front(f.frame);
  Hwnd notepad = p.App("Notepad", u"メモ帳");
  p.Front(notepad);
  const ChatTarget expected{kTrue, KindUnknown, u"Notepad", notepad, u"メモ帳", c.button, c.dialog};
  EXPECT_EQ(p.main.discovery().Target(), expected);
  EXPECT_TRUE(p.SendingDisabled());
}

TEST(PollForeground, ConfirmationTitlesArePassedOver) {
  struct Case {
    Ansi className;
    Text title;
    bool passedOver;
  };
  const Case cases[] = {
      {"#32770", u"確認", true},
      {"#32770", u"確認してください", true},
      {"IMWindowClass", u"確認 - 会話", true},
      {"Notepad", u"再確認", false},
      {"Notepad", u"確", false},
      {"Notepad", u"確 認", false},
      {"Notepad", u"かくにん", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(ToCp932(c.title));
    Poll p;
    Hwnd alice = p.Messenger(u"Alice");
    p.Front(alice);
    const ChatTarget target = p.main.discovery().Target();
    p.Forget();
    Hwnd w = p.App(c.className, c.title);
    p.Front(w);
    if (c.passedOver) {
      EXPECT_EQ(p.main.discovery().LastForeground(), alice);
      EXPECT_EQ(p.main.discovery().Target(), target);
      EXPECT_TRUE(p.form.events.empty());
      EXPECT_TRUE(p.SendingEnabled());
    } else {
      EXPECT_EQ(p.main.discovery().LastForeground(), w);
      EXPECT_EQ(p.main.discovery().Target().Kind, KindUnknown);
      EXPECT_EQ(p.main.discovery().Target().Title, c.title);
      EXPECT_TRUE(p.SendingDisabled());
    }
  }
}

TEST(PollForeground, ClassNamesAreComparedByPrefix) {
  enum Input { Self, Edit, None };
  struct Case {
    Ansi className;
    bool chatInside;
    std::int16_t kind;
    Input input;
  };
  const Case cases[] = {
      {"IMWindowClass", false, KindMessenger, Self},
      {"IMWindowClassX", false, KindMessenger, Self},
      {"IMWindowClas", false, KindUnknown, Self},
      {"imwindowclass", false, KindUnknown, Self},
      {"IEFrame", true, KindChat, Edit},
      {"IEFrameX", true, KindChat, Edit},
      {"IEFram", true, KindUnknown, Self},
      {"iEFrame", true, KindUnknown, Self},
      {"XIEFrame", true, KindUnknown, Self},
      {"IEFrame", false, KindUnknown, None},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.className + (c.chatInside ? " with chat" : ""));
    Poll p;
    Frame f = p.Browser(u"窓", c.className);
    ChatControl chat;
    if (c.chatInside) chat = p.AddChatControl(f);
    p.Front(f.frame);
    EXPECT_EQ(p.main.discovery().Target().Kind, c.kind);
    const Hwnd input = c.input == Self ? f.frame : c.input == Edit ? chat.edit : 0;
    EXPECT_EQ(p.main.discovery().Target().InputWindow, input);
    EXPECT_EQ(p.SendingEnabled(), c.kind != KindUnknown);
  }
}

TEST(PollForeground, AssistantsOwnSmallWindowsAreUnknownApplications) {
  for (const Text& title : {Text(u"ﾜﾝﾎﾟｲﾝﾄ"), Text(u"ﾊﾞｰｼﾞｮﾝ情報")}) {
    SCOPED_TRACE(ToCp932(title));
    Poll p;
    Hwnd alice = p.Messenger(u"Alice");
    p.Front(alice);
    ASSERT_TRUE(p.SendingEnabled());
    p.Front(p.App("ThunderRT6FormDC", title));
    EXPECT_EQ(p.main.discovery().Target().Kind, KindUnknown);
    EXPECT_EQ(p.main.discovery().Target().Title, title);
    EXPECT_EQ(p.form.panelText[1], u"不明なアプリケーション");
    EXPECT_TRUE(p.SendingDisabled());
    p.Front(alice);
    EXPECT_TRUE(p.SendingEnabled());
  }
}

TEST(PollForeground, AssistantsOwnMessageBoxesArePassedOver) {
  Poll p;
  Hwnd alice = p.Messenger(u"Alice");
  p.Front(alice);
  p.Forget();
  // A box of the program's own, owned by its main window and titled with its title.
  Hwnd box = p.App("#32770", u"Sorelka");
  p.desktop.Window(box).owner = p.form.own;
  p.desktop.Window(box).ownProcess = true;
  p.Front(box);
  EXPECT_TRUE(p.form.events.empty());
  EXPECT_EQ(p.main.discovery().LastForeground(), alice);
  EXPECT_TRUE(p.SendingEnabled());
  // Another program's dialog, or one of ours that the main window does not own, is a target.
  for (auto [owner, own] : {std::pair<Hwnd, bool>{p.form.own, false}, {0, true}}) {
    Hwnd other = p.App("#32770", u"Sorelka");
    p.desktop.Window(other).owner = owner;
    p.desktop.Window(other).ownProcess = own;
    p.Front(other);
    EXPECT_EQ(p.main.discovery().LastForeground(), other);
    EXPECT_TRUE(p.SendingDisabled());
  }
}

TEST(PollForeground, TitlesAreCutToTwentyFiveCharacters) {
  struct Case {
    const char* name;
    Text title;
    Text expected;
  };
  const Text j25 = u"あいうえおかきくけこさしすせそたちつてとなにぬねの";
  const Case cases[] = {
      {"24 characters", j25.substr(0, 24), j25.substr(0, 24)},
      {"25 characters", j25, j25},
      {"30 characters", j25 + u"はひふへほ", j25},
      {"half-width katakana", u"ｱｲｳｴｵｶｷｸｹｺｻｼｽｾｿﾀﾁﾂﾃﾄﾅﾆﾇﾈﾉﾊﾋﾌﾍﾎ", u"ｱｲｳｴｵｶｷｸｹｺｻｼｽｾｿﾀﾁﾂﾃﾄﾅﾆﾇﾈﾉ"},
      {"mixed", u"Alice（アリス）と Bob の会話 - 2 人たちの部屋", u"Alice（アリス）と Bob の会話 - 2 人"},
      // Read as 199 bytes, so the 25 characters come out whole.
      {"longer than the buffer", Text(150, u'漢'), Text(25, u'漢')},
  };
  for (const char* cls : {"IMWindowClass", "Notepad"}) {
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(cls) + ": " + c.name);
      Poll p;
      p.Front(p.App(cls, c.title));
      EXPECT_EQ(p.main.discovery().Target().Title, c.expected);
      EXPECT_EQ(p.form.panelText[2], c.expected + kPhrase);
    }
  }
}

TEST(PollForeground, LongClassNameIsReadWithoutHalfACharacter) {
  struct Case {
    Text className;
    Text expected;
  };
  const Case cases[] = {
      {Text(100, u'窓'), Text(99, u'窓')},           // 200 bytes: the 100th would straddle the end
      {u"a" + Text(100, u'窓'), u"a" + Text(99, u'窓')},  // 199 bytes kept
      {Text(199, u'x'), Text(199, u'x')},
      {Text(250, u'x'), Text(199, u'x')},
  };
  for (const Case& c : cases) {
    Poll p;
    p.Front(p.App(ToCp932(c.className), u"タイトル"));
    EXPECT_EQ(p.main.discovery().Target().ClassName, c.expected);
  }
}

// The tip and version windows, each opened from the main window: they count as unknown
// applications while in front, and when one closes the front goes back to the window the user
// had before them (the poll then chooses it again), or to the main window when that is gone.
TEST(PollForeground, OwnWindowsHandTheFrontBackToTheWindowBeforeThem) {
  enum Then { Keep, CloseIt, NoneBefore, OtherBetween };
  for (Then then : {Keep, CloseIt, NoneBefore, OtherBetween}) {
    SCOPED_TRACE(then);
    Poll p;
    Frame room = p.Browser(u"ロビー");
    p.AddChatControl(room);
    Hwnd alice = p.Messenger(u"Alice");
    if (then != NoneBefore) p.Front(room.frame);
    auto open = [&p](const Text& title) {
      p.Front(p.form.own);
      Hwnd w = p.App("SorelkaTipWindow", title);
      p.desktop.Window(w).ownProcess = true;
      p.main.AuxWindowActivated();
      p.Front(w);
      EXPECT_TRUE(p.SendingDisabled());
      return w;
    };
    Hwnd tip = open(u"ﾜﾝﾎﾟｲﾝﾄ");
    if (then == OtherBetween) {
      p.Front(alice);
      p.main.AuxWindowActivated();
      p.Front(tip);
    }
    open(u"ﾊﾞｰｼﾞｮﾝ情報");
    if (then == CloseIt) p.desktop.Close(room.frame);

    const Hwnd back = p.main.AuxWindowHandBack();
    EXPECT_EQ(back, then == Keep ? room.frame : then == OtherBetween ? alice : 0);
    if (back == 0) continue;
    p.Front(back);
    EXPECT_EQ(p.main.discovery().Target().Kind, then == Keep ? KindChat : KindMessenger);
    EXPECT_TRUE(p.SendingEnabled());
  }
}

}  // namespace
}  // namespace sorelka
