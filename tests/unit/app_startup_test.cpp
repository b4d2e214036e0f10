#include <gtest/gtest.h>

#include <numeric>

#include "app/main_form.h"
#include "fakes/fake_desktop.h"
#include "fakes/fake_form.h"
#include "translucency/readout.h"

namespace sorelka {
namespace {

using testing::FakeDesktop;
using testing::FakeForm;

struct Fixture {
  FakeForm form;
  FakeDesktop desktop;
  MainForm main{form, desktop, desktop};
};

TEST(Startup, LoadDisablesSendingLaysOutFramesAndClearsState) {
  Fixture f;
  f.form.SetMenuChecked(Menu::Skeleton, true);
  f.main.Load();

  EXPECT_FALSE(f.form.Enabled(Ctl::Send));
  EXPECT_FALSE(f.form.Enabled(Ctl::Message));
  EXPECT_FALSE(f.form.MenuChecked(Menu::Skeleton));
  EXPECT_EQ(f.main.discovery().Target(), ChatTarget{});
  EXPECT_EQ(f.main.discovery().LastForeground(), 0u);

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

TEST(Startup, EndAsksForExitAndTheUnloadRunsOnce) {
  Fixture f;
  f.form.handle = f.desktop.Add(0, "SorelkaMainWindow", "Sorelka 2.0 for XP");
  const Hwnd chat = f.desktop.Add(0, "IMWindowClass", "chat");
  const Hwnd room = f.desktop.Add(0, "IEFrame", "room");
  f.desktop.Window(chat).process = 2;
  f.desktop.Window(room).process = 3;
  f.main.Load();
  EXPECT_FALSE(f.main.ExitRequested());
  f.main.MenuClick(Menu::End);
  EXPECT_TRUE(f.main.ExitRequested());

  f.form.SetValue(Ctl::Slider, 100);
  for (Hwnd w : {chat, room}) {
    f.desktop.SetForeground(w);
    f.main.Timer1Tick();
    f.main.Click(Ctl::Slider);
    ASSERT_TRUE(f.desktop.Window(w).layering.layered);
  }
  f.desktop.Window(room).hung = true;  // its program stops answering
  f.main.Unload();  // the first way out, e.g. the end of the session
  EXPECT_FALSE(f.desktop.Window(chat).layering.layered);
  EXPECT_TRUE(f.desktop.Window(room).layering.layered);  // left for the next start
  f.main.Click(Ctl::Slider);  // handled before the window goes: nothing would undo it
  EXPECT_FALSE(f.desktop.Window(chat).layering.layered);
  // The second way out, WM_DESTROY: no second wait for the hung window, which would take the
  // exit past its limit.
  f.main.Unload();
  const std::uint32_t waited = std::accumulate(f.desktop.styleWaits.begin(), f.desktop.styleWaits.end(), 0u);
  EXPECT_EQ(waited, kExitRestoreMs);
  EXPECT_EQ(f.desktop.alphaCalls.size(), 2u);  // the changes the user made, nothing after
}

TEST(Readout, PercentOfTheSliderRange) {
  const std::pair<int, int> rows[] = {{30, 0},  {31, 0},  {32, 1},  {100, 31}, {142, 50}, {143, 50},
                                      {144, 51}, {200, 75}, {225, 87}, {253, 99}, {254, 99}, {255, 100}};
  for (auto [value, percent] : rows) EXPECT_EQ(SliderPercent(value, kSliderMax, kSliderMin), percent) << value;
  EXPECT_EQ(BasicStr(100), u" 100");
  EXPECT_EQ(BasicStr(0), u" 0");
  EXPECT_EQ(BasicStr(-5), u"-5");
}

TEST(Readout, EveryTickWritesTheLabelAndTheTip) {
  Fixture f;
  f.main.Load();
  EXPECT_EQ(f.form.GetText(Ctl::Label2_0), u"100%");
  f.main.Timer2Tick();
  EXPECT_EQ(f.form.GetText(Ctl::Label2_0), u"Alpha  100 %");
  EXPECT_EQ(f.form.GetText(Ctl::Slider), u" 100 %");
  f.form.SetValue(Ctl::Slider, 30);
  f.main.Timer2Tick();
  EXPECT_EQ(f.form.GetText(Ctl::Label2_0), u"Alpha  0 %");
}

}  // namespace
}  // namespace sorelka
