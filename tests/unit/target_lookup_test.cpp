#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/fake_desktop.h"
#include "discovery/chat_target.h"

namespace sorelka {
namespace {

using testing::FakeDesktop;
using testing::ToCp932;

// Which parts of the chat control's window tree exist.
struct TreeShape {
  bool docView = true, server = true, dialog = true, atl = true, edit = true, button = true;
  Text buttonTitle = u"発言";
  Ansi roomName = "ChatRoom#1";
};

// An Internet Explorer frame hosting the chat control, handles of each level (0 if left out).
struct ChatTree {
  Hwnd frame = 0, docView = 0, server = 0, dialog = 0, atl = 0, edit = 0, button = 0, name = 0;
};

ChatTree BuildChatTree(FakeDesktop& d, const TreeShape& s, const Ansi& frameClass = "IEFrame") {
  ChatTree t;
  t.frame = d.AddText(0, frameClass, u"MSN チャット - Microsoft Internet Explorer");
  if (!s.docView) return t;
  t.docView = d.Add(t.frame, "Shell DocObject View");
  if (!s.server) return t;
  t.server = d.Add(t.docView, "Internet Explorer_Server");
  if (!s.dialog) return t;
  t.dialog = d.Add(t.server, "#32770");
  if (s.atl) {
    t.atl = d.Add(t.dialog, "ATL:3723F798");
    if (s.edit) t.edit = d.Add(t.atl, "MSNChatEdit4");
  }
  if (s.button) t.button = d.AddText(t.dialog, "SubclassButton", s.buttonTitle);
  t.name = d.Add(t.dialog, "Static", s.roomName);  // added last: lowest in the Z order
  return t;
}

struct CallCounts {
  int find, lastSibling, windowText;
};
CallCounts Counts(const FakeDesktop& d) { return {d.findCalls, d.lastSiblingCalls, d.windowTextCalls}; }

TEST(LookupChatWindow, FullChatControlFillsEveryField) {
  FakeDesktop d;
  ChatTree t = BuildChatTree(d, {});
  Hwnd window = t.frame;
  ChatTarget r = LookupChatWindow(d, u"IEFrame", window);
  EXPECT_EQ(r.Found, kTrue);
  EXPECT_EQ(r.Kind, KindChat);
  EXPECT_EQ(r.ClassName, u"");
  EXPECT_EQ(r.InputWindow, t.edit);
  EXPECT_EQ(r.Title, u"ChatRoom#1");
  EXPECT_EQ(r.SendButton, t.button);
  EXPECT_EQ(r.ChatDialog, t.dialog);
  EXPECT_EQ(r.InputWindow, t.edit);
  // Six searches, one GetWindow and one text read: no more.
  EXPECT_EQ(d.findCalls, 6);
  EXPECT_EQ(d.lastSiblingCalls, 1);
  EXPECT_EQ(d.windowTextCalls, 1);
  EXPECT_EQ(d.classNameCalls, 0);
}

// One row per way the tree can fall short; `window` and ChatDialog as the walk leaves them.
struct ShapeCase {
  const char* name;
  TreeShape shape;
  bool found;
  bool dialogKept;  // ChatDialog holds the dialog (else 0)
  bool buttonFound;
  CallCounts calls;
};

TEST(LookupChatWindow, MissingPartsOfTheTree) {
  auto without = [](auto member) {
    TreeShape s;
    s.*member = false;
    return s;
  };
  TreeShape otherButton;
  otherButton.buttonTitle = u"送信";
  const ShapeCase cases[] = {
      {"no document view", without(&TreeShape::docView), false, false, false, {1, 0, 0}},
      {"no browser server", without(&TreeShape::server), false, false, false, {2, 0, 0}},
      // An ordinary web page: no dialog inside the browser.
      {"no dialog", without(&TreeShape::dialog), false, false, false, {3, 0, 0}},
      // The ATL window is tested only after the button and the name were read.
      {"no ATL window", without(&TreeShape::atl), false, true, false, {5, 1, 1}},
      {"no input box", without(&TreeShape::edit), false, true, false, {6, 1, 1}},
      {"no send button", without(&TreeShape::button), true, true, false, {6, 1, 1}},
      {"button with another caption", otherButton, true, true, false, {6, 1, 1}},
  };
  for (const ShapeCase& c : cases) {
    SCOPED_TRACE(c.name);
    FakeDesktop d;
    ChatTree t = BuildChatTree(d, c.shape);
    Hwnd window = t.frame;
    ChatTarget r = LookupChatWindow(d, u"IEFrame", window);
    EXPECT_EQ(r.Found, c.found ? kTrue : kFalse);
    EXPECT_EQ(r.Kind, c.found ? KindChat : KindMessenger);
    EXPECT_EQ(r.InputWindow, c.found ? t.edit : 0);
    EXPECT_EQ(r.InputWindow, c.found ? t.edit : 0);
    EXPECT_EQ(r.ChatDialog, c.dialogKept ? t.dialog : 0);
    EXPECT_EQ(r.SendButton, c.buttonFound ? t.button : 0);
    // A failed walk clears what it had read, the name included.
    EXPECT_EQ(r.Title, c.found ? u"ChatRoom#1" : u"");
    EXPECT_EQ(r.ClassName, u"");
    EXPECT_EQ(Counts(d).find, c.calls.find);
    EXPECT_EQ(Counts(d).lastSibling, c.calls.lastSibling);
    EXPECT_EQ(Counts(d).windowText, c.calls.windowText);
  }
}

TEST(LookupChatWindow, SendButtonIsMatchedByCaptionAmongSeveral) {
  FakeDesktop d;
  TreeShape s;
  s.buttonTitle = u"送信";
  ChatTree t = BuildChatTree(d, s);
  Hwnd speak = d.AddText(t.dialog, "SubclassButton", u"発言");
  d.Add(t.dialog, "Static", "Room");  // still the lowest sibling
  Hwnd window = t.frame;
  ChatTarget r = LookupChatWindow(d, u"IEFrame", window);
  EXPECT_EQ(r.Found, kTrue);
  EXPECT_EQ(r.SendButton, speak);
  EXPECT_EQ(r.Title, u"Room");
}

TEST(LookupChatWindow, ClassNameIsComparedOnItsFirstSevenCharacters) {
  struct Case {
    Text className;
    bool walks;
  };
  const Case cases[] = {
      {u"IEFrame", true},   {u"IEFrameX", true}, {u"IEFrame2 other", true},
      {u"iEFrame", false},  {u"IEFRAME", false}, {u"IEFram", false},
      {u"", false},         {u"XIEFrame", false}, {u"ＩＥFrame", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.className.begin(), c.className.end()));
    FakeDesktop d;
    ChatTree t = BuildChatTree(d, {});
    Hwnd window = t.frame;
    ChatTarget r = LookupChatWindow(d, c.className, window);
    if (c.walks) {
      EXPECT_EQ(r.Found, kTrue);
      EXPECT_EQ(r.InputWindow, t.edit);
    } else {
      // Refused before any search: the record is all zero.
      EXPECT_EQ(r, ChatTarget{});
      EXPECT_EQ(d.findCalls, 0);
    }
  }
}

TEST(LookupChatWindow, RefusedClassLooksAtNothing) {
  FakeDesktop d;
  EXPECT_EQ(LookupChatWindow(d, u"Notepad", 0x4242).Found, kFalse);  // not even a window
  EXPECT_EQ(d.findCalls, 0);
}

TEST(LookupChatWindow, ChatNameIsCutAtNineteenBytesNeverInsideACharacter) {
  struct Case {
    const char* name;
    Text roomName;
    Text expected;
  };
  const Text ten = u"あいうえおかきくけこ";  // 20 bytes
  const Text nine = u"あいうえおかきくけ";   // 18 bytes
  const Case cases[] = {
      {"short", u"Room", u"Room"},
      {"empty", u"", u""},
      {"19 ASCII bytes kept whole", u"abcdefghijklmnopqrs", u"abcdefghijklmnopqrs"},
      {"25 ASCII bytes cut to 19", u"abcdefghijklmnopqrstuvwxy", u"abcdefghijklmnopqrs"},
      {"ten full-width: the tenth would straddle byte 19", ten, nine},
      {"one byte then ten full-width: 19 bytes", u"a" + ten, u"a" + nine},
      {"exactly 19 bytes kept whole", u"a" + nine, u"a" + nine},
      {"18 bytes then a full-width character", u"abcdefghijklmnopqr" + Text(u"あ"),
       u"abcdefghijklmnopqr"},
      // Half-width katakana are single bytes, not lead bytes.
      {"half-width katakana", u"ﾜﾝﾎﾟｲﾝﾄﾜﾝﾎﾟｲﾝﾄﾜﾝﾎﾟｲﾝﾄ", u"ﾜﾝﾎﾟｲﾝﾄﾜﾝﾎﾟｲﾝﾄﾜﾝﾎﾟｲ"},
      {"mixed widths, 19 bytes", u"ﾁｬｯﾄ部屋 No.1234567", u"ﾁｬｯﾄ部屋 No.1234567"},
      {"mixed widths, full-width straddling byte 19", u"ﾁｬｯﾄ部屋 No.123456部",
       u"ﾁｬｯﾄ部屋 No.123456"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FakeDesktop d;
    TreeShape s;
    s.roomName = ToCp932(c.roomName);
    ChatTree t = BuildChatTree(d, s);
    Hwnd window = t.frame;
    ChatTarget r = LookupChatWindow(d, u"IEFrame", window);
    ASSERT_EQ(r.Found, kTrue);
    EXPECT_EQ(r.Title, c.expected);
    EXPECT_LE(ToCp932(r.Title).size(), 19u);
  }
}

TEST(LookupChatWindow, NameComesFromTheLowestSiblingOfTheAtlWindow) {
  FakeDesktop d;
  ChatTree t = BuildChatTree(d, {});
  d.Add(t.dialog, "Static", "Lower still");
  Hwnd window = t.frame;
  EXPECT_EQ(LookupChatWindow(d, u"IEFrame", window).Title, u"Lower still");
  // With the name window gone the next lowest (the button) names the chat.
  FakeDesktop d2;
  TreeShape s;
  ChatTree t2 = BuildChatTree(d2, s);
  d2.Close(t2.name);
  window = t2.frame;
  EXPECT_EQ(LookupChatWindow(d2, u"IEFrame", window).Title, u"発言");
}

TEST(TargetRecord, ResetClearsEverythingButTheChatDialog) {
  ChatTarget t{kTrue, KindUnknown, u"IEFrame", 0x10, u"Room", 0x20, 0x30};
  ResetChatTarget(t);
  ChatTarget expected{};
  expected.ChatDialog = 0x30;
  EXPECT_EQ(t, expected);
}

TEST(TargetRecord, StartsCleared) {
  ChatTarget t;
  EXPECT_EQ(t.Found, kFalse);
  EXPECT_EQ(t.Kind, KindMessenger);
  EXPECT_EQ(t.InputWindow, 0u);
  EXPECT_EQ(t.SendButton, 0u);
  EXPECT_EQ(t.ChatDialog, 0u);
  EXPECT_TRUE(t.ClassName.empty());
  EXPECT_TRUE(t.Title.empty());
}

}  // namespace
}  // namespace sorelka
