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
  const auto back = DecodeAlphaRecord(good);
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
      {2, 0}, {2, 0x2ABCDEF}, {2, 0xABCDEF}, {3, 0}, {4, 0}};
  for (auto [field, value] : spoilt) {
    Desktop::AlphaRecordValues v = good;
    v[field] = value;
    EXPECT_FALSE(DecodeAlphaRecord(v)) << field << " " << std::hex << value;
    EXPECT_TRUE(HasAnyAlphaRecord(v));
  }
  EXPECT_FALSE(HasAnyAlphaRecord(Desktop::AlphaRecordValues{}));
}

TEST(AlphaRecord, AHandleWrittenByEitherBuildReadsBackTheSame) {
  AlphaRecord r = kRecord;
  r.instanceWindow = static_cast<Hwnd>(static_cast<std::intptr_t>(-0x1F000));  // sign-extended on x86_64
  EXPECT_EQ(DecodeAlphaRecord(EncodeAlphaRecord(r))->instanceWindow, r.instanceWindow);
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

TEST(AlphaRecord, TheNextStartPutsBackOnlyWhatAnEndedInstanceLeft) {
  FakeForm form;
  FakeDesktop desktop;
  desktop.ownProcessId = 10;
  const Hwnd gone = desktop.Add(0, "SorelkaMainWindow", "old"), running = desktop.Add(0, "SorelkaMainWindow", "other");
  desktop.Window(gone).process = 5;
  desktop.Window(running).process = 6;
  desktop.Close(gone);
  const auto left = [&](Hwnd instance, std::uint32_t process, bool wasLayered) {
    const Hwnd w = desktop.Add(0, "IEFrame", "room");
    desktop.Window(w).process = 20;
    desktop.Window(w).layering = Desktop::Layering{true, true, 0, 40, 2};
    AlphaRecord r{Desktop::Layering{true, wasLayered, 0x00FF00, 250, wasLayered ? 3u : 0u}, instance, process};
    desktop.Window(w).record = EncodeAlphaRecord(r);
    return w;
  };
  const Hwnd plain = left(gone, 5, false), ownLayer = left(gone, 5, true), kept = left(running, 6, false);
  const Hwnd spoilt = left(gone, 5, false);
  desktop.Window(spoilt).record[1] = 0x2FF;  // alpha out of range
  const Hwnd ours = left(gone, 5, false);
  desktop.Window(ours).ownProcess = true;

  MainForm main{form, desktop, desktop};
  main.Load();
  EXPECT_FALSE(desktop.Window(plain).layering.layered);
  main.Timer2Tick();  // the outcome of the worker's change: the record goes once it is done
  EXPECT_FALSE(HasAnyAlphaRecord(desktop.Window(plain).record));
  EXPECT_TRUE(desktop.Window(ownLayer).layering.layered);
  EXPECT_EQ(desktop.Window(ownLayer).layering.alpha, 250);
  EXPECT_EQ(desktop.Window(ownLayer).layering.colorKey, 0x00FF00u);
  EXPECT_FALSE(HasAnyAlphaRecord(desktop.Window(ownLayer).record));
  for (Hwnd untouched : {kept, spoilt, ours}) {
    EXPECT_EQ(desktop.Window(untouched).layering.alpha, 40) << untouched;
    EXPECT_TRUE(HasAnyAlphaRecord(desktop.Window(untouched).record));
  }
}

}  // namespace
}  // namespace sorelka
