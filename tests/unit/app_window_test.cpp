#include <gtest/gtest.h>

#include <set>

#include "app/controls.h"
#include "app/main_form.h"
#include "fakes/fake_desktop.h"
#include "fakes/fake_form.h"

namespace sorelka {
namespace {

using testing::FakeDesktop;
using testing::FakeForm;

TEST(ControlTable, IsIndexedByIdAndNamesAreUnique) {
  std::set<std::string> names;
  std::set<int> tabIndexes;
  ASSERT_EQ(ControlTable().size(), static_cast<std::size_t>(kControlCount));
  for (int i = 0; i < kControlCount; ++i) {
    const ControlRow<Ctl>& s = ControlTable()[i];
    EXPECT_EQ(static_cast<int>(s.id), i) << s.name;
    EXPECT_TRUE(names.insert(s.name).second) << s.name;
    if (s.tabIndex >= 0) EXPECT_TRUE(tabIndexes.insert(s.tabIndex).second) << s.name;
    if (s.container) EXPECT_EQ(Describe(*s.container).kind, Kind::Frame) << s.name;
  }
}

TEST(ControlTable, TabOrderFollowsTabIndexesNotCreationOrder) {
  const std::vector<Ctl> expected = {
      Ctl::SkelReset, Ctl::SkelOption1, Ctl::SkelOption0, Ctl::Slider,  // Frame1 first, though covered
      Ctl::Send,      Ctl::Message,     Ctl::SendNow,                    // Frame4
      Ctl::Footer,    Ctl::Header,      Ctl::PlusWord,    Ctl::Default, Ctl::SAKASA, Ctl::AA,
      Ctl::Limit,     Ctl::Wait,        Ctl::EveryWord,   Ctl::ActivatCheck};
  EXPECT_EQ(TabOrder(), expected);
}

TEST(ControlTable, TabSkipsUnusableControlsAndWrapsBothWays) {
  std::set<Ctl> usable = {Ctl::SkelReset, Ctl::Slider, Ctl::ActivatCheck};
  auto can = [&](Ctl c) { return usable.count(c) > 0; };
  EXPECT_EQ(NextInTabOrder(Ctl::SkelReset, true, can), Ctl::Slider);
  EXPECT_EQ(NextInTabOrder(Ctl::Slider, true, can), Ctl::ActivatCheck);
  EXPECT_EQ(NextInTabOrder(Ctl::ActivatCheck, true, can), Ctl::SkelReset);
  EXPECT_EQ(NextInTabOrder(Ctl::SkelReset, false, can), Ctl::ActivatCheck);
  // From no control at all, Tab starts at the first usable one and Shift+Tab at the last.
  EXPECT_EQ(NextInTabOrder(Ctl::Count, true, can), Ctl::SkelReset);
  EXPECT_EQ(NextInTabOrder(Ctl::Count, false, can), Ctl::ActivatCheck);
  EXPECT_EQ(NextInTabOrder(Ctl::Slider, true, [](Ctl) { return false; }), Ctl::Slider);
}

TEST(ControlTable, FewControlsCarryExtras) {
  // Exactly one default button, the two text limits and the slider's range: the shell reads
  // these from the table, so no control is special-cased by name.
  for (const ControlRow<Ctl>& s : ControlTable()) {
    EXPECT_EQ(s.extras.isDefault, s.id == Ctl::Send) << s.name;
    const int limit = s.id == Ctl::PlusWord ? 255 : s.id == Ctl::Message ? kNoTextLimit : 0;
    EXPECT_EQ(s.extras.textLimit, limit) << s.name;
    if (limit != 0) EXPECT_TRUE(FactsOf(s.kind).isEdit) << s.name;
  }
  EXPECT_EQ(Describe(Ctl::Slider).extras.rangeMin, 30);
  EXPECT_EQ(Describe(Ctl::Slider).extras.rangeMax, 255);
  EXPECT_TRUE(FactsOf(Kind::ButtonGraphical).takesEnter);
  EXPECT_FALSE(FactsOf(Kind::TextMulti).takesEnter);
}

TEST(ControlTable, FocusFallsBackToTheFirstControlAUserCanReach) {
  FakeForm form;
  FakeDesktop desktop;
  MainForm main{form, desktop, desktop};
  main.Load();
  // Collapsed: Frame4 lies over all of Frame1, so its controls are covered though shown.
  EXPECT_TRUE(IsCovered(Ctl::SkelReset, form));
  EXPECT_TRUE(IsCovered(Ctl::Slider, form));
  EXPECT_FALSE(IsCovered(Ctl::Frame4, form));
  EXPECT_FALSE(IsCovered(Ctl::Message, form));
  EXPECT_FALSE(IsCovered(Ctl::ActivatCheck, form));
  // Sending is disabled until a chat window is chosen: ActivatCheck, never the hidden SkelReset.
  EXPECT_EQ(FocusFallback(form), Ctl::ActivatCheck);

  form.SetEnabled(Ctl::Message, true);
  EXPECT_EQ(FocusFallback(form), Ctl::Message);
  form.SetVisible(Ctl::Frame4, false);  // a hidden frame covers nothing and hides what it holds
  EXPECT_FALSE(IsCovered(Ctl::SkelReset, form));
  EXPECT_EQ(FocusFallback(form), Ctl::SkelReset);
  for (Ctl c : TabOrder()) form.SetEnabled(c, false);
  EXPECT_EQ(FocusFallback(form), Ctl::Count);
}

TEST(MenuTable, HoldsTheMenuBarAndTheHiddenTextMenu) {
  struct Row {
    Menu id;
    const char16_t* caption;
    std::optional<Menu> parent;
    bool onBar;
  };
  const Row rows[] = {
      {Menu::Menu, u"メニュー", std::nullopt, true},
      {Menu::Skeleton, u"ウィンドウ透明化", Menu::Menu, true},
      {Menu::Info, u"インフォメーション", Menu::Menu, true},
      {Menu::Help, u"ヘルプ", Menu::Menu, true},
      {Menu::End, u"終了", Menu::Menu, true},
      {Menu::GoHome, u"ホームページへ", std::nullopt, true},
      {Menu::SendMenu, u"テキストメニュー", std::nullopt, false},
      {Menu::SendHelp, u"Enterキーで送信できます", Menu::SendMenu, false},
  };
  ASSERT_EQ(MenuTable().size(), std::size(rows));
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    const MenuDesc& m = MenuTable()[i];
    EXPECT_EQ(m.id, rows[i].id);
    EXPECT_EQ(std::u16string(m.caption), rows[i].caption) << m.name;
    EXPECT_EQ(m.parent, rows[i].parent) << m.name;
    EXPECT_EQ(m.onMenuBar, rows[i].onBar) << m.name;
  }
}

}  // namespace
}  // namespace sorelka
