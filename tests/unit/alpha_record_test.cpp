#include <gtest/gtest.h>

#include "app/main_form.h"
#include "fakes/fake_desktop.h"
#include "fakes/fake_form.h"
#include "translucency/alpha_record.h"

namespace sorelka {
namespace {

using testing::FakeDesktop;
using testing::FakeForm;

const AlphaRecord kRecord{Desktop::Layering{true, true, 0xABCDEF, 200, 3}, 0x2040, 77};

TEST(AlphaRecord, ValuesOutOfRangeOrMissingAreIgnored) {
  const Desktop::AlphaRecordValues good = EncodeAlphaRecord(kRecord);
  const auto back = DecodeAlphaRecord({77, good});
  ASSERT_TRUE(back);
  EXPECT_TRUE(back->before.known && back->before.layered);
  EXPECT_EQ(back->before.colorKey, 0xABCDEFu);
  EXPECT_EQ(back->before.alpha, 200);
  EXPECT_EQ(back->before.flags, 3u);
  EXPECT_EQ(back->instanceWindow, 0x2040u);
  EXPECT_EQ(back->instanceProcess, 77u);

  // One value spoilt at a time: out of range, missing, or a stray number in its place.
  const std::pair<std::size_t, std::uint32_t> spoilt[] = {
      {0, 0}, {0, 0x104}, {0, 0x3}, {0, 0x80000103}, {1, 0}, {1, 0x2FF}, {1, 0xC8},
      {2, 0}, {2, 0x2ABCDEF}, {2, 0xABCDEF}, {3, 0}};
  for (auto [field, value] : spoilt) {
    Desktop::AlphaRecordValues v = good;
    v[field] = value;
    EXPECT_FALSE(DecodeAlphaRecord({77, v})) << field << " " << std::hex << value;
  }
  EXPECT_FALSE(DecodeAlphaRecord({0, good}));
}

TEST(AlphaRecord, AHandleWrittenByEitherBuildReadsBackTheSame) {
  AlphaRecord r = kRecord;
  r.instanceWindow = static_cast<Hwnd>(static_cast<std::intptr_t>(-0x1F000));  // sign-extended on x86_64
  EXPECT_EQ(DecodeAlphaRecord({77, EncodeAlphaRecord(r)})->instanceWindow, r.instanceWindow);
}

struct Instances {
  FakeDesktop desktop;
  Hwnd other = desktop.Add(0, "SorelkaMainWindow", "Sorelka 2.0 for XP");
  Instances() {
    desktop.ownProcessId = 10;
    desktop.Window(other).process = 77;
  }
  AlphaRecord Record() { return {kRecord.before, other, 77}; }
};

TEST(AlphaRecord, AnInstanceCountsAsGoneOnlyWhenItsProcessOrMainWindowIs) {
  {
    Instances i;
    EXPECT_FALSE(InstanceGone(i.desktop, i.Record()));  // still runs: never touched
  }
  {
    Instances i;
    i.desktop.endedProcesses.insert(77);
    EXPECT_TRUE(InstanceGone(i.desktop, i.Record()));
  }
  {
    Instances i;
    i.desktop.Close(i.other);
    EXPECT_TRUE(InstanceGone(i.desktop, i.Record()));
  }
  {
    Instances i;  // the id was reused: a process 77 runs, but the main window is another's
    i.desktop.Window(i.other).process = 78;
    EXPECT_TRUE(InstanceGone(i.desktop, i.Record()));
  }
  {
    Instances i;  // the id is this very instance's now
    i.desktop.ownProcessId = 77;
    EXPECT_TRUE(InstanceGone(i.desktop, i.Record()));
  }
}

// A record is acted on, at a start or at the first change of its window, only where no
// instance that runs has one there and the window's present state is one this program makes.
TEST(AlphaRecord, RecordsAreActedOnOnlyWhereTheWindowConfirmsThem) {
  using L = Desktop::Layering;
  const L plain{true, false}, ours{true, true, 0, 90, 2}, own{true, true, 0x00FF00, 250, 3};
  const L unreadable{false, true};  // layered, attributes not to be read (Windows 2000)
  enum Who { kGone = 5, kRunning = 77, kSameId = 10 };
  struct Row {
    const char* what;
    Who who;
    L before, present;
    bool readable;
    bool confirmed;  // the window goes back to `before`; otherwise it keeps `present`
  } rows[] = {
      {"an ended instance's change", kGone, plain, ours, true, true},
      {"layered by its own program before", kGone, own, ours, true, true},
      {"an earlier process of this id", kSameId, plain, ours, true, true},
      {"an instance that runs", kRunning, plain, ours, true, true},
      {"not layered now", kGone, own, plain, true, false},
      {"alpha 0, never made here", kGone, L{true, true, 0, 0, 2}, L{true, true, 0, 0, 2}, true, false},
      {"a colour key, never made here", kGone, plain, L{true, true, 0x123456, 90, 3}, true, false},
      {"Windows 2000, not layered before", kGone, plain, unreadable, false, true},
      {"Windows 2000, layered before", kGone, own, unreadable, false, false},
  };
  for (const Row& row : rows) {
    FakeForm form;
    FakeDesktop desktop;
    desktop.ownProcessId = kSameId;
    desktop.layeringReadable = row.readable;
    const Hwnd other = desktop.Add(0, "SorelkaMainWindow", "other");
    desktop.Window(other).process = kRunning;
    desktop.endedProcesses.insert(kGone);
    const auto marked = [&] {
      const Hwnd w = desktop.Add(0, "IEFrame", "room");
      desktop.Window(w).process = 20;
      desktop.Window(w).layering = row.present;
      desktop.Window(w).records[row.who] = EncodeAlphaRecord({row.before, row.who == kRunning ? other : 0x99, row.who});
      return w;
    };
    const Hwnd atStart = marked();
    MainForm main{form, desktop, desktop};
    main.Load();
    const Hwnd atChange = marked();
    desktop.SetForeground(atChange);
    main.Timer1Tick();
    form.SetValue(Ctl::Slider, 120);
    main.Click(Ctl::Slider);
    main.Click(Ctl::SkelReset);
    main.Timer2Tick();  // the outcomes

    const bool running = row.who == kRunning;
    const L putBack = row.confirmed ? row.before : row.present;
    const std::pair<Hwnd, L> expected[] = {{atStart, running ? row.present : putBack}, {atChange, putBack}};
    for (const auto& [w, want] : expected) {
      const L now = desktop.Window(w).layering;
      const char* path = w == atStart ? "at start" : "at the first change";
      EXPECT_EQ(now.layered, want.layered) << row.what << ", " << path;
      EXPECT_EQ(now.alpha, want.alpha) << row.what << ", " << path;
      EXPECT_EQ(now.flags, want.flags) << row.what << ", " << path;
      EXPECT_EQ(now.colorKey, want.colorKey) << row.what << ", " << path;
      // Only a record of an instance that runs stays; every other is acted on or removed.
      EXPECT_EQ(desktop.Window(w).records.size(), running ? 1u : 0u) << row.what << ", " << path;
    }
  }
}

}  // namespace
}  // namespace sorelka
