#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "app/main_form.h"
#include "dialogs/dialog_controls.h"
#include "dialogs/dialogs.h"
#include "app/home_page.h"
#include "dialogs/live_windows.h"
#include "fakes/fake_desktop.h"
#include "fakes/fake_form.h"

namespace sorelka {
namespace {

using testing::FakeDesktop;
using testing::FakeForm;

bool operator==(Colour a, Colour b) { return a.r == b.r && a.g == b.g && a.b == b.b; }

struct Format {
  Colour colour;
  bool emphasis;
  bool operator==(const Format& o) const { return colour == o.colour && emphasis == o.emphasis; }
};

// A rich text box as the tip window needs it: every character keeps the format it was
// inserted in; moving the insertion point takes the format of the character before it, as the
// control does; a paragraph break is kept as one CR, so positions count it once.
class FakeTipWindow : public TipWindowPort {
 public:
  std::u16string text;
  std::vector<Format> formats;
  int loads = 0, unloads = 0, shows = 0, fills = 0;
  Text failure;  // not empty: the system refuses to make the window, for this reason

  bool Loaded() override { return loaded_; }
  bool Load() override {
    ++loads;
    loaded_ = failure.empty();
    return loaded_;
  }
  Text LoadFailure() override { return failure; }
  void ShowAndFocus() override { ++shows; }
  void Unload() override { loaded_ = false; ++unloads; text.clear(); formats.clear(); }
  Hwnd WindowHandle() override { return loaded_ ? 0x7700 + loads : 0; }

  void SetWholeText(const Text& t) override {
    ++fills;
    text = t;
    formats.assign(t.size(), pending_);
    at_ = 0;
  }
  int TextLength() override { return static_cast<int>(text.size()); }
  void SetSelStart(int p) override {
    at_ = std::min<std::size_t>(static_cast<std::size_t>(p), text.size());
    if (at_ > 0) pending_ = formats[at_ - 1];
  }
  void SetSelColour(Colour c) override { pending_.colour = c; }
  void SetSelEmphasis(bool on) override { pending_.emphasis = on; }
  void SetSelText(const Text& t) override {
    Text kept;
    for (std::size_t i = 0; i < t.size(); ++i) {
      if (t[i] == u'\n' && i > 0 && t[i - 1] == u'\r') continue;
      kept += t[i];
    }
    text.insert(at_, kept);
    formats.insert(formats.begin() + static_cast<long>(at_), kept.size(), pending_);
    at_ += kept.size();
  }

  // The format of the first occurrence of `piece`, which must be one format throughout.
  Format FormatOf(const std::u16string& piece) const {
    const std::size_t at = text.find(piece);
    EXPECT_NE(at, std::u16string::npos);
    if (at == std::u16string::npos) return {};
    for (std::size_t i = at; i < at + piece.size(); ++i) EXPECT_TRUE(formats[i] == formats[at]) << i;
    return formats[at];
  }

 private:
  bool loaded_ = false;
  std::size_t at_ = 0;
  Format pending_{kBlack, false};
};

TEST(TipText, EveryRowLandsInOrderInItsOwnColourAndEmphasis) {
  FakeTipWindow box;
  FillTipText(box);
  std::u16string expected;
  std::vector<Format> expectedFormats;
  for (const TipRow& row : TipRows())
    for (std::size_t i = 0; i < std::u16string(row.text).size(); ++i) {
      if (row.text[i] == u'\n') continue;  // kept as the CR before it
      expected += row.text[i];
      expectedFormats.push_back({row.colour, row.emphasis});
    }
  ASSERT_EQ(box.text, expected);
  for (std::size_t i = 0; i < expected.size(); ++i) ASSERT_TRUE(box.formats[i] == expectedFormats[i]) << "at " << i;
}

TEST(TipText, ReadsAsTheHelpPageDoes) {
  FakeTipWindow box;
  FillTipText(box);
  // Eleven paragraphs; the heading has an ideographic space before "for XP".
  EXPECT_EQ(std::count(box.text.begin(), box.text.end(), u'\r'), 10);
  EXPECT_EQ(box.text.rfind(u"MSN Chat, MSN Messenger Sorelkaツール\u3000for XP\r\r", 0), 0u);
  struct Expect {
    const char16_t* piece;
    Format format;
  };
  const Expect cases[] = {
      {u"MSN Chat, MSN Messenger Sorelkaツール\u3000for XP", {kBlue, true}},
      {u"はじめに", {kRed, true}},
      {u"※重要", {kRed, true}},
      {u"InternetExplorer + Windows 2000,XP", {kBlue, true}},
      {u"NetscapeやMSNエクスプローラでは動作しません。", {kBlue, true}},
      {u"MS P ゴシック", {kBlue, true}},
      {u"9xの方は旧バージョンをお使いください。", {kBlack, true}},
      {u"このプログラムは、", {kBlack, false}},
      {u"詳しい使い方は体で覚えてください。", {kBlue, false}},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) EXPECT_TRUE(box.FormatOf(cases[i].piece) == cases[i].format) << "case " << i;
  EXPECT_EQ(box.text.substr(box.text.size() - 17), u"詳しい使い方は体で覚えてください。");
}

class AuxFormTest : public ::testing::Test {
 protected:
  FakeTipWindow tip;
  FakeTipWindow about;  // its text is never written
  FakeDesktop desktop;
  FakeForm form;
  Dialogs dialogs{tip, about, desktop, form};
};

TEST_F(AuxFormTest, ASecondOpeningOnlyShowsAndFocuses) {
  dialogs.Tip().Open();
  const std::u16string first = tip.text;
  dialogs.Tip().Open();
  EXPECT_EQ(tip.loads, 1);
  EXPECT_EQ(tip.fills, 1);
  EXPECT_EQ(tip.shows, 2);
  EXPECT_EQ(tip.text, first);
  // Placed once, never topmost.
  ASSERT_EQ(desktop.topMost.size(), 1u);
  EXPECT_EQ(desktop.topMost[0], std::make_pair(tip.WindowHandle(), true));
}

TEST_F(AuxFormTest, OkUnloadsAndTheNextOpeningRebuildsTheSameText) {
  dialogs.Tip().Open();
  const std::u16string text = tip.text;
  const auto formats = tip.formats;
  dialogs.Tip().OkClick();
  EXPECT_FALSE(tip.Loaded());
  dialogs.Tip().Open();
  EXPECT_EQ(tip.loads, 2);
  EXPECT_EQ(tip.text, text);
  EXPECT_TRUE(tip.formats == formats);
}

TEST_F(AuxFormTest, TheVersionWindowIsPlacedAndClosedAlike) {
  dialogs.About().Open();
  dialogs.About().Open();
  EXPECT_EQ(about.loads, 1);
  EXPECT_EQ(about.fills, 0);
  ASSERT_EQ(desktop.topMost.size(), 1u);
  EXPECT_EQ(desktop.topMost[0], std::make_pair(about.WindowHandle(), true));
  dialogs.About().OkClick();
  EXPECT_EQ(about.unloads, 1);
  EXPECT_FALSE(tip.Loaded());
}

TEST_F(AuxFormTest, AWindowTheSystemCannotMakeIsToldOfAndTriedAgainAtTheNextOpening) {
  for (AuxForm* opened : {&dialogs.Tip(), &dialogs.About()}) {
    FakeTipWindow& window = opened == &dialogs.Tip() ? tip : about;
    window.failure = u"ウィンドウ クラスが見つかりません。";
    opened->Open();
    ASSERT_EQ(form.boxes.size(), 1u);
    EXPECT_EQ(form.boxes[0].text, u"ウィンドウを作成できませんでした。\r\nウィンドウ クラスが見つかりません。");
    EXPECT_FALSE(form.boxes[0].hasTitle);  // the program's own: "Sorelka"
    // Nothing goes on with a window that is not there: not placed, not filled, not shown.
    EXPECT_EQ(window.shows, 0);
    EXPECT_EQ(window.fills, 0);
    EXPECT_TRUE(desktop.topMost.empty());
    window.failure.clear();
    opened->Open();
    EXPECT_TRUE(window.Loaded());
    EXPECT_EQ(window.shows, 1);
    EXPECT_EQ(form.boxes.size(), 1u);
    form.boxes.clear();
    desktop.topMost.clear();
  }
}

// The start-up's box, built as the tip and version windows' one: what failed in Japanese, the
// system's reason on the next line, and no empty line when the system gave none.
TEST(FailureText, SaysWhatFailedThenTheSystemsReason) {
  const struct {
    const char16_t* what;
    const char16_t* reason;
    const char16_t* box;
  } rows[] = {
      {kStartFailed, u"クラスは既に存在します。", u"Sorelka を起動できませんでした。\r\nクラスは既に存在します。"},
      {kWindowNotCreated, u"メモリ リソースが不足しています。",
       u"ウィンドウを作成できませんでした。\r\nメモリ リソースが不足しています。"},
      {kStartFailed, u"", u"Sorelka を起動できませんでした。"},
  };
  for (const auto& row : rows) EXPECT_EQ(FailureText(row.what, row.reason), row.box);
}

TEST_F(AuxFormTest, TheMenuRoutesHelpInfoAndTheHomePage) {
  MainForm main{form, desktop, desktop};
  main.MenuClick(Menu::Help);  // no windows attached: nothing happens
  EXPECT_FALSE(tip.Loaded());
  main.AttachDialogs(dialogs);
  main.MenuClick(Menu::Help);
  main.MenuClick(Menu::Info);
  EXPECT_TRUE(tip.Loaded());
  EXPECT_TRUE(about.Loaded());
  main.MenuClick(Menu::GoHome);
  EXPECT_EQ(desktop.shellOpened, std::vector<Ansi>{kHomePageUrl});
  EXPECT_FALSE(main.ExitRequested());
}

TEST(LiveWindows, TheLastWindowClosedEndsTheLoopOnce) {
  LiveWindows live;
  live.Opened();  // main window
  live.Opened();  // tip window
  EXPECT_FALSE(live.Closed());
  EXPECT_TRUE(live.Closed());
  EXPECT_FALSE(live.Closed());  // a stray close neither ends it again nor goes below zero
  EXPECT_EQ(live.Count(), 0);
}

// At 96 dpi a 9 pt face has a 12 px em: a full-width character takes at most 12 px, a
// half-width one at most 7 (a generous bound for a proportional face).
int WidestPixels(const std::u16string& text) {
  int px = 0;
  for (char16_t ch : text) px += ch < 0x80 || (ch >= 0xFF61 && ch <= 0xFF9F) ? 7 : 12;
  return px;
}

TEST(DialogTables, ControlsLieInsideTheirContainersAndTabIndexesAreUnique) {
  for (const DialogDesc<int>& d : {ByPlace(TipWindowDesc()), ByPlace(AboutWindowDesc())}) {
    std::set<int> tabs;
    for (std::size_t i = 0; i < d.controls.size(); ++i) {
      const ControlRow<int>& c = d.controls[i];
      EXPECT_EQ(c.id, static_cast<int>(i)) << c.name;  // the window's ids name their rows
      const int w = c.container ? d.controls[*c.container].width : d.clientWidth;
      const int h = c.container ? d.controls[*c.container].height : d.clientHeight;
      EXPECT_LE(c.left + c.width, w) << c.name;
      EXPECT_LE(c.top + c.height, h) << c.name;
      if (c.tabIndex >= 0) {
        EXPECT_TRUE(tabs.insert(c.tabIndex).second) << c.name;
      }
      if (c.container) {
        EXPECT_EQ(d.controls[*c.container].kind, Kind::PictureBox) << c.name;
      }
    }
    EXPECT_TRUE(d.controls.front().extras.isDefault);  // cmdOK: tab index 0
    EXPECT_EQ(d.controls.front().tabIndex, 0);
  }
  EXPECT_EQ(TipWindowDesc().controls.size(), static_cast<std::size_t>(TipCtl::Count));
  EXPECT_EQ(AboutWindowDesc().controls.size(), static_cast<std::size_t>(AboutCtl::Count));
}

TEST(DialogTables, TheNoticesAreOneLineOfJapaneseWithinTheirWidths) {
  for (const ControlRow<AboutCtl>& c : AboutWindowDesc().controls) {
    if (std::string(c.name) != "Label1" && std::string(c.name) != "Label2") continue;
    const std::u16string text = c.caption;
    EXPECT_EQ(text.find_first_of(u"\r\n"), std::u16string::npos) << c.name;
    EXPECT_NE(std::count_if(text.begin(), text.end(), [](char16_t ch) { return ch >= 0x3040; }), 0) << c.name;
    EXPECT_LE(WidestPixels(text), c.width / 15) << c.name;
  }
}

}  // namespace
}  // namespace sorelka
