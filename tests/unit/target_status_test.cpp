#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "discovery/status_display.h"
#include "fakes/fake_desktop.h"
#include "fakes/fake_form.h"

namespace sorelka {
namespace {

using testing::FakeDesktop;
using testing::FakeForm;

const Text kPhrase = u"　を選択しました。";

struct Status {
  FakeForm form;
  void Show(std::int16_t kind, const Text& title) {
    ChatTarget t;
    t.Kind = kind;
    t.Title = title;
    ShowTargetStatus(form, t);
  }
};

TEST(StatusBar, EachChoiceReplacesBothPanels) {
  struct Row {
    std::int16_t kind;
    Text title;
    Text panel1;
    int icon;
  };
  // One form through the whole sequence: nothing of an earlier choice may survive.
  const Row rows[] = {
      {KindMessenger, u"Alice - 会話", u"メッセンジャー", 0},
      {KindChat, u"雑談部屋", u"M$Nチャット ", 1},
      {KindUnknown, u"無題 - メモ帳", u"不明なアプリケーション", 2},
      {KindMessenger, u"Bob", u"メッセンジャー", 0},
  };
  Status s;
  for (const Row& r : rows) {
    SCOPED_TRACE(r.kind);
    s.Show(r.kind, r.title);
    EXPECT_EQ(s.form.panelText[1], r.panel1);
    EXPECT_EQ(s.form.panelIcon[1], r.icon);
    EXPECT_EQ(s.form.panelText[2], r.title + kPhrase);
  }
}

TEST(StatusBar, ChatKindTextEndsInOneAsciiSpace) {
  Status s;
  s.Show(KindChat, u"x");
  const Text& text = s.form.panelText[1];
  ASSERT_FALSE(text.empty());
  EXPECT_EQ(text.back(), u' ');
  EXPECT_EQ(text.substr(0, 3), u"M$N");
}

TEST(StatusBar, PhraseFollowsTheTitleDirectly) {
  struct Case {
    const char* name;
    Text title;
  };
  const Case cases[] = {
      {"25 characters", u"あいうえおかきくけこさしすせそたちつてとなにぬねの"},
      {"19-byte chat name", u"ﾁｬｯﾄ部屋 No.1234567"},
      {"trailing spaces kept", u"Room  "},
      {"empty", u""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Status s;
    s.Show(KindUnknown, c.title);
    const Text& panel = s.form.panelText[2];
    EXPECT_EQ(panel, c.title + kPhrase);
    ASSERT_GT(panel.size(), c.title.size());
    EXPECT_EQ(panel[c.title.size()], u'\u3000');
  }
}

TEST(StatusBar, EmptyTitleShowsThePhraseAlone) {
  Status s;
  s.Show(KindMessenger, u"");
  EXPECT_EQ(s.form.panelText[2], u"　を選択しました。");
}

TEST(StatusBar, KindWithoutANameLeavesPanelOneAsItWas) {
  for (std::int16_t kind : {std::int16_t{3}, std::int16_t{-1}, std::int16_t{32767}}) {
    SCOPED_TRACE(kind);
    Status s;
    s.Show(KindChat, u"Room");
    s.Show(kind, u"Other");
    EXPECT_EQ(s.form.panelText[1], u"M$Nチャット ");
    EXPECT_EQ(s.form.panelIcon[1], 1);
    EXPECT_EQ(s.form.panelText[2], u"Other" + kPhrase);
  }
}

}  // namespace
}  // namespace sorelka
