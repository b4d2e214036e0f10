#include <gtest/gtest.h>

#include <set>

#include "app/controls.h"

namespace sorelka {
namespace {

TEST(ControlTable, IsIndexedByIdAndNamesAreUnique) {
  std::set<std::string> names;
  std::set<int> tabIndexes;
  ASSERT_EQ(ControlTable().size(), static_cast<std::size_t>(kControlCount));
  for (int i = 0; i < kControlCount; ++i) {
    const ControlDesc& s = ControlTable()[i];
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
