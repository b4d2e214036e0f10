#include <gtest/gtest.h>

#include <set>
#include <string>

#include "app/controls.h"
#include "app/send_options.h"
#include "fakes/fake_form.h"

namespace sorelka {
namespace {

using testing::FakeForm;

struct Fixture {
  FakeForm form;
  SendOptions options{form};
  Fixture() { options.Load(); }
};

TEST(SendOptions, DisablingSwitchesOffTheFifteenSendingControlsAndNothingElse) {
  const std::set<Ctl> sending = {Ctl::AA,     Ctl::Default, Ctl::SAKASA,   Ctl::EveryWord, Ctl::SendNow,
                                 Ctl::Header, Ctl::Footer,  Ctl::Label2_1, Ctl::PlusWord,  Ctl::Limit,
                                 Ctl::Wait,   Ctl::Label4,  Ctl::Label7,   Ctl::Message,   Ctl::Send};
  // From every mode, with and without EveryWord: an interlock run after the switch would
  // enable some of them again (AA enables Header and Footer).
  for (Ctl mode : {Ctl::AA, Ctl::SAKASA, Ctl::Default})
    for (int everyWord : {0, 1}) {
      Fixture f;
      f.form.SetValue(mode, 1);
      f.form.SetValue(Ctl::EveryWord, everyWord);
      f.options.EnableSendOptions(true);
      f.options.EnableSendOptions(false);
      SCOPED_TRACE(std::string(Describe(mode).name) + " EveryWord=" + std::to_string(everyWord));
      for (const ControlRow<Ctl>& c : ControlTable())
        EXPECT_EQ(f.form.Enabled(c.id), !sending.count(c.id)) << c.name;
      EXPECT_EQ(f.form.Value(mode), 1);  // values survive for the next switch on
      EXPECT_EQ(f.form.Value(Ctl::EveryWord), everyWord);
    }
}

// Which of Header, Footer, EveryWord, SendNow end up enabled after EnableSendOptions(true).
struct InterlockCase {
  Ctl mode;
  int everyWord;
  bool header, footer, everyWordEnabled, sendNow;
};

TEST(SendOptions, EnablingAppliesTheModeThenEveryWord) {
  const InterlockCase cases[] = {
      {Ctl::Default, 0, true, true, true, true},
      {Ctl::Default, 1, false, false, true, true},
      {Ctl::SAKASA, 0, true, true, true, false},
      {Ctl::SAKASA, 1, false, false, true, false},
      {Ctl::AA, 0, true, true, false, false},
      // The EveryWord step runs after the AA step: a tick kept from another mode still counts.
      {Ctl::AA, 1, false, false, false, false},
  };
  for (const InterlockCase& c : cases) {
    Fixture f;
    f.form.SetValue(c.mode, 1);
    f.form.SetValue(Ctl::EveryWord, c.everyWord);
    f.options.EnableSendOptions(true);
    SCOPED_TRACE(std::string(Describe(c.mode).name) + " EveryWord=" + std::to_string(c.everyWord));
    EXPECT_EQ(f.form.Enabled(Ctl::Header), c.header);
    EXPECT_EQ(f.form.Enabled(Ctl::Footer), c.footer);
    EXPECT_EQ(f.form.Enabled(Ctl::EveryWord), c.everyWordEnabled);
    EXPECT_EQ(f.form.Enabled(Ctl::SendNow), c.sendNow);
    EXPECT_TRUE(f.form.Enabled(Ctl::Message));
    EXPECT_TRUE(f.form.Enabled(Ctl::Send));
    // Values are never changed by the rules.
    EXPECT_EQ(f.form.Value(Ctl::EveryWord), c.everyWord);
    EXPECT_EQ(f.form.Value(Ctl::SendNow), 1);
  }
}

TEST(SendOptions, ChoosingAAEnablesHeaderAndFooterEvenWithEveryWordTicked) {
  Fixture f;
  f.form.SetValue(Ctl::EveryWord, 1);
  f.options.EnableSendOptions(true);  // Default mode: Header/Footer off because of EveryWord
  ASSERT_FALSE(f.form.Enabled(Ctl::Header));
  f.form.SetValue(Ctl::AA, 1);
  f.options.ModeClicked(Ctl::AA);
  EXPECT_TRUE(f.form.Enabled(Ctl::Header));
  EXPECT_TRUE(f.form.Enabled(Ctl::Footer));
  EXPECT_FALSE(f.form.Enabled(Ctl::EveryWord));
  // ... and the tick kept counts again once a reversed mode is chosen.
  f.form.SetValue(Ctl::SAKASA, 1);
  f.options.ModeClicked(Ctl::SAKASA);
  EXPECT_FALSE(f.form.Enabled(Ctl::Header));
  EXPECT_TRUE(f.form.Enabled(Ctl::EveryWord));
  EXPECT_EQ(f.form.Value(Ctl::AA), 0);  // option buttons of a group are exclusive
}

TEST(SendOptions, ModeHandlersRunOnlyWhenTheirModeBecomesSelected) {
  Fixture f;
  f.options.EnableSendOptions(false);
  f.form.enableLog.clear();
  f.options.ModeClicked(Ctl::AA);       // not selected
  f.options.ModeClicked(Ctl::Default);  // selected already, at start
  EXPECT_TRUE(f.form.enableLog.empty());

  // A second click on the selected AA must not re-enable what EveryWord disabled.
  f.form.SetValue(Ctl::AA, 1);
  f.options.ModeClicked(Ctl::AA);
  f.form.SetValue(Ctl::EveryWord, 1);
  f.options.EveryWordClick();
  ASSERT_FALSE(f.form.Enabled(Ctl::Header));
  f.options.ModeClicked(Ctl::AA);
  EXPECT_FALSE(f.form.Enabled(Ctl::Header));
  EXPECT_FALSE(f.form.Enabled(Ctl::Footer));
}

TEST(SendOptions, EveryWordTogglesHeaderAndFooter) {
  Fixture f;
  f.options.EnableSendOptions(true);
  f.form.SetValue(Ctl::EveryWord, 1);
  f.options.EveryWordClick();
  EXPECT_FALSE(f.form.Enabled(Ctl::Header));
  EXPECT_FALSE(f.form.Enabled(Ctl::Footer));
  f.form.SetValue(Ctl::EveryWord, 0);
  f.options.EveryWordClick();
  EXPECT_TRUE(f.form.Enabled(Ctl::Header));
  EXPECT_TRUE(f.form.Enabled(Ctl::Footer));
}

}  // namespace
}  // namespace sorelka
