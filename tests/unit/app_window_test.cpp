#include <gtest/gtest.h>

#include <set>

#include "app/controls.h"
#include "app/main_form.h"
#include "app/readout.h"
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

struct Fixture {
  FakeForm form;
  FakeDesktop desktop;
  MainForm main{form, desktop};
};

TEST(Startup, LoadDisablesSendingLaysOutFramesAndClearsState) {
  Fixture f;
  f.form.SetMenuChecked(Menu::Skeleton, true);
  f.main.chatTarget.Kind = KindUnknown;
  f.main.chatTarget.ChatDialog = 0x99;
  f.main.lastForeground = 0x1234;
  f.main.Click(Ctl::Slider);
  f.main.onTopApplied = kTrue;
  f.main.Load();

  EXPECT_EQ(f.main.onTopApplied, kFalse);
  EXPECT_FALSE(f.form.Enabled(Ctl::Send));
  EXPECT_FALSE(f.form.Enabled(Ctl::Message));
  EXPECT_FALSE(f.form.MenuChecked(Menu::Skeleton));
  EXPECT_EQ(f.main.translucency().TranslucentWindows()[0], 0u);
  EXPECT_EQ(f.main.chatTarget.Kind, KindMessenger);
  EXPECT_EQ(f.main.chatTarget.ChatDialog, 0x99u);  // kept by the reset

  const TwipRect f1 = f.form.Bounds(Ctl::Frame1), f4 = f.form.Bounds(Ctl::Frame4), f2 = f.form.Bounds(Ctl::Frame2);
  EXPECT_EQ(f1.left, 10);
  EXPECT_EQ(f1.width, 6060);
  EXPECT_EQ(f1.top, 3420);
  EXPECT_EQ(f4.left, 10);
  EXPECT_EQ(f4.width, 6060);
  EXPECT_EQ(f4.top, 2700);
  EXPECT_EQ(f4.top + f4.height, f1.top + f1.height);  // bottoms together: Frame4 covers Frame1
  EXPECT_EQ(f2.left, 10);
  EXPECT_EQ(f2.top, 660);

  // The design values survive the load.
  EXPECT_EQ(f.form.Value(Ctl::Default), 1);
  EXPECT_EQ(f.form.Value(Ctl::SendNow), 1);
  EXPECT_EQ(f.form.GetText(Ctl::Wait), u"500");
  EXPECT_EQ(f.form.GetText(Ctl::PlusWord), u"(^。^)");
}

TEST(Startup, FirstReadoutTickPutsTheWindowOnTopOnce) {
  Fixture f;
  f.main.Load();
  f.main.Timer2Tick();
  EXPECT_EQ(f.form.Value(Ctl::ActivatCheck), 1);
  EXPECT_EQ(f.main.onTopApplied, kTrue);
  ASSERT_EQ(f.desktop.topMost.size(), 1u);
  EXPECT_EQ(f.desktop.topMost[0], std::make_pair(f.form.WindowHandle(), false));

  // A user who unticks it later is not overruled.
  f.form.SetValue(Ctl::ActivatCheck, 0);
  f.main.Click(Ctl::ActivatCheck);
  f.main.Timer2Tick();
  EXPECT_EQ(f.form.Value(Ctl::ActivatCheck), 0);
  ASSERT_EQ(f.desktop.topMost.size(), 2u);
  EXPECT_TRUE(f.desktop.topMost[1].second);  // released
}

TEST(Startup, EndRunsTheUnloadHandlerAndAsksForExit) {
  Fixture f;
  f.main.Load();
  EXPECT_FALSE(f.main.ExitRequested());
  f.main.MenuClick(Menu::End);
  EXPECT_TRUE(f.main.ExitRequested());
}

}  // namespace
}  // namespace sorelka

namespace sorelka {
namespace {

TEST(Readout, PercentOfTheSliderRange) {
  const std::pair<int, int> rows[] = {{30, 0},  {31, 0},  {32, 1},  {100, 31}, {142, 50}, {143, 50},
                                      {144, 51}, {200, 75}, {225, 87}, {253, 99}, {254, 99}, {255, 100}};
  for (auto [value, percent] : rows) EXPECT_EQ(SliderPercent(value, kSliderMax, kSliderMin), percent) << value;
  EXPECT_EQ(BasicStr(100), u" 100");
  EXPECT_EQ(BasicStr(0), u" 0");
  EXPECT_EQ(BasicStr(-5), u"-5");
}

TEST(Readout, EveryTickWritesTheLabelAndTheTip) {
  testing::FakeForm form;
  testing::FakeDesktop desktop;
  MainForm main{form, desktop};
  main.Load();
  EXPECT_EQ(form.GetText(Ctl::Label2_0), u"100%");
  main.Timer2Tick();
  EXPECT_EQ(form.GetText(Ctl::Label2_0), u"Alpha  100 %");
  EXPECT_EQ(form.GetText(Ctl::Slider), u" 100 %");
  form.SetValue(Ctl::Slider, 30);
  main.Timer2Tick();
  EXPECT_EQ(form.GetText(Ctl::Label2_0), u"Alpha  0 %");
}

}  // namespace
}  // namespace sorelka
