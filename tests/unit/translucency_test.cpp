#include <gtest/gtest.h>

#include "app/main_form.h"
#include "app/popup_menus.h"
#include "fakes/fake_desktop.h"
#include "fakes/fake_form.h"
#include "translucency/alpha_record.h"
#include "translucency/busy_wait.h"
#include "translucency/panel_slide.h"
#include "translucency/translucency.h"

namespace sorelka {
namespace {

using testing::FakeDesktop;
using testing::FakeForm;

struct Panel {
  FakeForm form;
  FakeDesktop desktop;
  MainForm main{form, desktop, desktop};
  Panel() { main.Load(); }
};

TEST(PanelSlide, StepsCoverTheHeightInclusively) {
  const std::pair<int, int> rows[] = {{1560, 32}, {0, 1}, {49, 1}, {50, 2}, {1600, 33}, {-1, 0}};
  for (auto [height, steps] : rows) EXPECT_EQ(SlideSteps(height), steps) << height;
}

TEST(PanelSlide, ShowsThenHidesAndReturnsFrame4Exactly) {
  Panel p;
  std::vector<int> tops;
  bool checkedDuring = false;
  p.desktop.onPump = [&] {
    if (tops.empty() || tops.back() != p.form.Bounds(Ctl::Frame4).top) tops.push_back(p.form.Bounds(Ctl::Frame4).top);
    checkedDuring |= p.form.MenuChecked(Menu::Skeleton);
  };
  const std::uint32_t t0 = p.desktop.Milliseconds();
  p.main.MenuClick(Menu::Skeleton);
  EXPECT_EQ(tops.size(), 32u);
  EXPECT_GE(p.desktop.Milliseconds() - t0, 32u * 30u);  // 30 ms of events between steps
  EXPECT_FALSE(checkedDuring);                         // the mark changes at the end only
  EXPECT_TRUE(p.form.MenuChecked(Menu::Skeleton));
  EXPECT_FALSE(p.form.Visible(Ctl::Frame2));
  EXPECT_EQ(p.form.Bounds(Ctl::Frame4).top, 1100);

  p.main.MenuClick(Menu::Skeleton);
  EXPECT_FALSE(p.form.MenuChecked(Menu::Skeleton));
  EXPECT_TRUE(p.form.Visible(Ctl::Frame2));
  EXPECT_EQ(p.form.Bounds(Ctl::Frame4).top, 2700);
}

TEST(PanelSlide, ASecondClickDuringTheSlideIsIgnored) {
  Panel p;
  p.desktop.onPump = [&] { p.main.MenuClick(Menu::Skeleton); };
  p.main.MenuClick(Menu::Skeleton);
  EXPECT_EQ(p.form.Bounds(Ctl::Frame4).top, 1100);
  EXPECT_TRUE(p.form.MenuChecked(Menu::Skeleton));
}

TEST(PanelSlide, ClosingDuringTheSlideLeavesFrame4AtTheEnd) {
  Panel p;
  p.desktop.onPump = [&] { p.desktop.closing = p.desktop.pumps > 100; };
  p.main.MenuClick(Menu::Skeleton);
  EXPECT_LT(p.desktop.pumps, 150);  // stopped waiting at once
  EXPECT_EQ(p.form.Bounds(Ctl::Frame4).top, 1100);
  EXPECT_TRUE(p.form.MenuChecked(Menu::Skeleton));
}

TEST(BusyWait, SleepsBetweenEventsAndEndsOnTimeAcrossTheClockWrap) {
  FakeDesktop d;
  d.pumpMs = 0;
  for (std::uint32_t start : {0u, 0x7FFFFFF0u, 0xFFFFFFF0u}) {
    d.SetClock(start);
    d.pumps = 0;
    d.pumpTimes.clear();
    d.arrivals = {start + 7, start + 19, start + 60};  // the last one comes after the wait
    EXPECT_TRUE(BusyWait(d, 30));
    EXPECT_EQ(d.Milliseconds() - start, 30u) << start;
    // One pass at the start and one as each event arrives, on time: no pass in between.
    ASSERT_EQ(d.pumpTimes.size(), 4u) << start;
    EXPECT_EQ(d.pumpTimes[1], start + 7);
    EXPECT_EQ(d.pumpTimes[2], start + 19);
  }
  d.pumps = 0;
  EXPECT_TRUE(BusyWait(d, -5));
  EXPECT_EQ(d.pumps, 0);
  d.closing = true;
  d.blocked.clear();
  EXPECT_FALSE(BusyWait(d, 30));
  EXPECT_TRUE(d.blocked.empty());  // a closing program does not wait on
}

struct Windows : Panel {
  Hwnd chat = desktop.Add(0, "IMWindowClass", "chat");
  Windows() {
    form.handle = desktop.Add(0, "SorelkaMainWindow", "Sorelka 2.0 for XP");
    desktop.Window(form.handle).ownProcess = true;
    desktop.Window(chat).process = 2;
    main.Load();  // again, now that the main window has its handle
  }
  void Click(Hwnd selected, int value) {
    form.SetValue(Ctl::Slider, value);
    desktop.SetForeground(selected);  // the poll takes it as the selected window
    main.Timer1Tick();
    main.Click(Ctl::Slider);
  }
  Desktop::Layering LayeringOf(Hwnd w) { return desktop.Window(w).layering; }
  bool HasRecord(Hwnd w) { return !desktop.Window(w).records.empty(); }
};

TEST(Translucency, AppliesToTheChosenWindowAndRecordsTheSelectedOne) {
  Windows w;
  w.Click(w.chat, 100);
  EXPECT_EQ(w.LayeringOf(w.chat).alpha, 100);
  w.form.SetValue(Ctl::SkelOption0, 1);  // "このツール"
  w.Click(w.chat, 80);
  EXPECT_EQ(w.LayeringOf(w.form.handle).alpha, 80);
  EXPECT_EQ(w.LayeringOf(w.chat).alpha, 100);
  w.Click(0, 90);  // nothing selected yet: only the main window changes, nothing is recorded
  const auto& slots = w.main.translucency().TranslucentWindows();
  EXPECT_EQ(std::count(slots.begin(), slots.end(), w.chat), 2);
  EXPECT_EQ(std::count(slots.begin(), slots.end(), w.form.handle), 0);
  EXPECT_EQ(slots[2], 0u);

  w.form.SetValue(Ctl::SkelOption1, 1);
  w.Click(0, 70);
  EXPECT_EQ(w.LayeringOf(w.chat).alpha, 100);
  EXPECT_EQ(w.LayeringOf(w.form.handle).alpha, 90);
}

TEST(Translucency, EveryWayOutRestoresEveryChangedWindowAndItsRecordGoes) {
  Windows w;
  for (int i = 0; i < 200; ++i) w.Click(w.chat, 40 + i % 100);  // more clicks than slots
  w.form.SetValue(Ctl::SkelOption0, 1);
  w.Click(w.chat, 60);
  EXPECT_TRUE(w.HasRecord(w.chat));
  EXPECT_FALSE(w.HasRecord(w.form.handle));  // the program's own window goes with the process
  w.main.Unload();
  EXPECT_FALSE(w.LayeringOf(w.chat).layered);
  EXPECT_FALSE(w.LayeringOf(w.form.handle).layered);
  EXPECT_FALSE(w.HasRecord(w.chat));
  EXPECT_EQ(w.desktop.styleWaits, std::vector<std::uint32_t>{kExitRestoreMs / kExitRounds});
  const int requests = w.desktop.styleRequests;
  w.main.Unload();  // a second way out finds nothing left to do
  EXPECT_EQ(w.desktop.styleRequests, requests);
  EXPECT_EQ(w.main.translucency().TranslucentWindows()[150], w.chat);  // the slots stay
}

TEST(Translucency, AWindowLayeredByItsOwnProgramGetsItsOwnAttributesBack) {
  Windows w;
  const Desktop::Layering own{true, true, 0x00FF00, 200, 3};
  w.desktop.Window(w.chat).layering = own;
  w.Click(w.chat, 50);
  w.Click(w.chat, 70);
  EXPECT_EQ(w.desktop.styleRequests, 0);  // layered already: nothing to ask of its thread
  w.main.Click(Ctl::SkelReset);
  const Desktop::Layering now = w.LayeringOf(w.chat);
  EXPECT_TRUE(now.layered);
  EXPECT_EQ(now.colorKey, own.colorKey);
  EXPECT_EQ(now.alpha, own.alpha);
  EXPECT_EQ(now.flags, own.flags);
  EXPECT_FALSE(w.HasRecord(w.chat));
}

TEST(Translucency, WindowsItCannotPutBackAreLeftAlone) {
  Windows w;
  w.desktop.Window(w.chat).layering = Desktop::Layering{false, true};  // UpdateLayeredWindow, or no Get
  w.Click(w.chat, 50);
  w.main.Click(Ctl::SkelReset);
  EXPECT_TRUE(w.desktop.alphaCalls.empty());
  EXPECT_EQ(w.desktop.styleRequests, 0);
  EXPECT_FALSE(w.HasRecord(w.chat));
}

TEST(Translucency, ClosedOrReusedHandlesAreSkipped) {
  Windows w;
  const Hwnd other = w.desktop.Add(0, "Notepad", "memo");
  w.desktop.Window(other).process = 3;
  w.Click(w.chat, 50);
  w.Click(other, 50);
  w.desktop.Close(w.chat);
  w.desktop.Reuse(other, "Notepad", 9);  // same class, another program
  const int requests = w.desktop.styleRequests;
  w.main.Click(Ctl::SkelReset);
  EXPECT_EQ(w.desktop.styleRequests, requests);
  EXPECT_TRUE(w.LayeringOf(other).known);
  EXPECT_FALSE(w.LayeringOf(other).layered);  // the new window was never touched

  // Changing the new window records it afresh, with its own state.
  w.Click(other, 50);
  EXPECT_TRUE(w.LayeringOf(other).layered);
  w.main.Click(Ctl::SkelReset);
  EXPECT_FALSE(w.LayeringOf(other).layered);
}

TEST(Translucency, AWindowOnlyRecordedInThisToolModeIsNotTouched) {
  Windows w;
  w.form.SetValue(Ctl::SkelOption0, 1);
  w.Click(w.chat, 50);
  w.main.Click(Ctl::SkelReset);
  EXPECT_EQ(w.desktop.styleRequests, 0);
  EXPECT_FALSE(w.LayeringOf(w.chat).layered);
  EXPECT_FALSE(w.HasRecord(w.chat));
}

// The layered bit of another program's window is changed by the worker; one that does not
// answer is asked again once per readout tick, and the newest click wins.
TEST(Translucency, AWindowThatDoesNotAnswerIsAskedAgainOncePerTickAndTheNewestClickWins) {
  Windows w;
  w.desktop.holdStyleChanges = true;
  w.desktop.Window(w.chat).silent = true;
  w.Click(w.chat, 100);
  w.Click(w.chat, 60);  // replaces the change still waiting
  ASSERT_EQ(w.desktop.styleQueue.size(), 1u);
  EXPECT_EQ(w.desktop.styleQueue[0].then.alpha, 60);
  w.desktop.RunStyleWorker();  // no answer
  EXPECT_FALSE(w.LayeringOf(w.chat).layered);
  const int requests = w.desktop.styleRequests;
  w.main.Timer2Tick();
  w.main.Timer2Tick();  // the retry is still under way: not asked twice
  EXPECT_EQ(w.desktop.styleRequests, requests + 1);

  w.desktop.Window(w.chat).silent = false;
  w.Click(w.chat, 120);  // while the retry waits
  w.desktop.RunStyleWorker();
  w.main.Timer2Tick();
  EXPECT_TRUE(w.LayeringOf(w.chat).layered);
  EXPECT_EQ(w.LayeringOf(w.chat).alpha, 120);
}

TEST(Translucency, TheExitRestoresWhatAnswersAndLeavesTheRecordOnWhatDoesNot) {
  Windows w;
  const Hwnd hung = w.desktop.Add(0, "IEFrame", "room");
  w.desktop.Window(hung).process = 3;
  w.Click(hung, 80);
  w.Click(w.chat, 90);
  w.desktop.Window(hung).hung = true;
  w.desktop.Window(w.chat).silent = true;  // busy for a moment: asked again within the time
  w.desktop.onStyleWait = [&] { w.desktop.Window(w.chat).silent = false; };
  w.main.Unload();
  EXPECT_FALSE(w.LayeringOf(w.chat).layered);
  EXPECT_FALSE(w.HasRecord(w.chat));
  std::uint32_t waited = 0;
  for (std::uint32_t ms : w.desktop.styleWaits) waited += ms;
  EXPECT_LE(waited, kExitRestoreMs);
  EXPECT_TRUE(w.LayeringOf(hung).layered);
  const std::uint32_t self = w.desktop.OwnProcess();
  const auto record = DecodeAlphaRecord({self, w.desktop.Window(hung).records.at(self)});
  ASSERT_TRUE(record);
  EXPECT_FALSE(record->before.layered);
  EXPECT_EQ(record->instanceWindow, w.form.handle);
  EXPECT_EQ(record->instanceProcess, w.desktop.OwnProcess());
}

TEST(Translucency, AClickDuringTheResetKeepsTheWindowChanged) {
  Windows w;
  w.Click(w.chat, 80);
  w.desktop.holdStyleChanges = true;
  w.main.Click(Ctl::SkelReset);
  w.Click(w.chat, 50);
  w.desktop.RunStyleWorker();
  w.main.Timer2Tick();
  EXPECT_TRUE(w.LayeringOf(w.chat).layered);
  EXPECT_EQ(w.LayeringOf(w.chat).alpha, 50);
  EXPECT_TRUE(w.HasRecord(w.chat));
}

// A record already on a window (another instance changed it) holds what it was before any change.
TEST(Translucency, AWindowChangedElsewhereKeepsItsFirstLayeringToPutBack) {
  Windows w;
  AlphaRecord theirs{Desktop::Layering{true, true, 0x123456, 230, 3}, 0x9000, 7};
  w.desktop.Window(w.chat).records[7] = EncodeAlphaRecord(theirs);
  w.desktop.Window(w.chat).layering = Desktop::Layering{true, true, 0, 90, 2};
  w.Click(w.chat, 50);
  const auto& records = w.desktop.Window(w.chat).records;
  ASSERT_EQ(records.size(), 1u);  // the ended instance's record gave way to this one's
  EXPECT_TRUE(DecodeAlphaRecord({w.desktop.OwnProcess(), records.at(w.desktop.OwnProcess())}));
  w.main.Click(Ctl::SkelReset);
  EXPECT_EQ(w.LayeringOf(w.chat).alpha, 230);
  EXPECT_EQ(w.LayeringOf(w.chat).colorKey, 0x123456u);
}

// Outcomes of replaced requests land while the newest is still to come: none of them settles
// the window, so the record stays until the newest one is done.
TEST(Translucency, OnlyTheNewestRequestsOutcomeSettlesAWindow) {
  Windows w;
  w.desktop.holdStyleChanges = true;
  w.Click(w.chat, 80);
  w.desktop.RunStyleWorker();
  w.main.Timer2Tick();
  w.main.Click(Ctl::SkelReset);
  w.desktop.StartStyleJob();  // the window's thread is putting it back
  w.Click(w.chat, 70);
  w.desktop.FinishStyleJob(w.chat);
  w.desktop.StartStyleJob();  // and now changing it again
  w.main.Click(Ctl::SkelReset);
  w.desktop.FinishStyleJob(w.chat);
  w.desktop.Window(w.chat).silent = true;
  w.desktop.RunStyleWorker();  // the newest, the reset, finds no answer
  w.main.Timer2Tick();
  EXPECT_EQ(w.LayeringOf(w.chat).alpha, 70);
  EXPECT_TRUE(w.HasRecord(w.chat));
  w.desktop.Window(w.chat).silent = false;
  w.main.Timer2Tick();  // asked again
  w.desktop.RunStyleWorker();
  w.main.Timer2Tick();
  EXPECT_FALSE(w.LayeringOf(w.chat).layered);
  EXPECT_FALSE(w.HasRecord(w.chat));
}

// What counts is the window's style afterwards, and the record comes before any change.
TEST(Translucency, ARefusedChangeIsNotDoneAndAnUnrecordableOneNotMade) {
  Windows w;
  w.Click(w.chat, 80);
  w.main.Timer2Tick();
  w.desktop.Window(w.chat).refusesStyle = true;
  w.main.Click(Ctl::SkelReset);
  w.main.Timer2Tick();
  EXPECT_TRUE(w.LayeringOf(w.chat).layered);
  EXPECT_TRUE(w.HasRecord(w.chat));
  EXPECT_EQ(w.main.translucency().RestoringCount(), 1u);  // tried again at the next way out
  w.desktop.Window(w.chat).refusesStyle = false;
  w.main.Unload();
  EXPECT_FALSE(w.LayeringOf(w.chat).layered);
  EXPECT_FALSE(w.HasRecord(w.chat));

  Windows fresh;
  fresh.desktop.Window(fresh.chat).recordsFail = true;
  fresh.Click(fresh.chat, 80);
  EXPECT_FALSE(fresh.LayeringOf(fresh.chat).layered);
  EXPECT_EQ(fresh.desktop.styleRequests, 0);
}

// Windows that answer are put back first, so a short exit serves them all; the main window last.
TEST(Translucency, TheResetPutsBackAnsweringWindowsFirstAndTheMainWindowLast) {
  Windows w;
  const Hwnd hung = w.desktop.Add(0, "IEFrame", "room");
  w.desktop.Window(hung).process = 3;
  w.Click(hung, 80);
  w.Click(w.chat, 90);
  w.form.SetValue(Ctl::SkelOption0, 1);
  w.Click(w.chat, 70);
  w.main.Timer2Tick();
  w.desktop.Window(hung).hung = true;
  w.desktop.requestLog.clear();
  w.main.Click(Ctl::SkelReset);
  EXPECT_EQ(w.desktop.requestLog, (std::vector<Hwnd>{w.chat, hung, w.form.handle}));
}

// The worker announces each outcome to the main window, which takes it at once: the window is
// settled, and the next click applies directly, with no readout tick in between.
TEST(Translucency, AnAnnouncedOutcomeSettlesTheWindowWithoutWaitingForTheTick) {
  Windows w;
  EXPECT_EQ(w.desktop.announceTo, w.form.handle);
  w.desktop.holdStyleChanges = true;
  w.Click(w.chat, 80);
  w.desktop.RunStyleWorker();
  EXPECT_EQ(w.desktop.announcements, 1);
  w.main.translucency().TakeOutcomes();  // what the announcement runs
  w.Click(w.chat, 60);
  EXPECT_EQ(w.LayeringOf(w.chat).alpha, 60);
  EXPECT_TRUE(w.desktop.styleQueue.empty());
}

TEST(PopupMenus, RightPressOpensTheMenuAndMovesOverAnEnabledSendTheHint) {
  FakeForm form;
  PopupMenus popups(form);
  popups.MouseDown(kLeftButton);
  popups.MouseDown(kMiddleButton);
  popups.MouseDown(kRightButton);
  form.SetEnabled(Ctl::Send, false);
  popups.SendMouseMove();
  form.SetEnabled(Ctl::Send, true);
  popups.SendMouseMove();
  popups.SendMouseMove();
  EXPECT_EQ(form.popups, (std::vector<Menu>{Menu::Menu, Menu::SendMenu, Menu::SendMenu}));
}

}  // namespace
}  // namespace sorelka
