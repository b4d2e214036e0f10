// What other programs and other threads can make the program do: the WM_DPICHANGED it acts on,
// the posted messages its loops drop, and the one way out of a fault or std::terminate.
#include <gtest/gtest.h>

#include "app/message_trust.h"
#include "app/way_out.h"

namespace sorelka {
namespace {

TEST(MessageTrust, OnlyTheSystemsOwnDpiChangeIsActedOnAndOnlyItsRectangleRead) {
  struct Row {
    Arrival how;
    int dpi;
    bool hasSuggestion;
    DpiAction want;
  } rows[] = {
      {Arrival::SentOnOwnThread, 144, true, DpiAction::RescaleToSuggestion},  // Windows 10's own
      {Arrival::SentOnOwnThread, 144, false, DpiAction::Rescale},
      {Arrival::SentOnOwnThread, 0, true, DpiAction::Ignore},
      {Arrival::SentFromElsewhere, 144, true, DpiAction::Ignore},  // no rescale to its DPI either
      {Arrival::SentFromElsewhere, 144, false, DpiAction::Ignore},
      {Arrival::Posted, 144, true, DpiAction::Ignore},
  };
  for (const Row& r : rows)
    EXPECT_EQ(DecideDpiChange(r.how, r.dpi, r.hasSuggestion), r.want)
        << "arrival " << static_cast<int>(r.how) << ", dpi " << r.dpi << ", suggestion " << r.hasSuggestion;
}

TEST(MessageTrust, PostedMessagesCarryingAPointerAreDroppedAndNoOthers) {
  for (std::uint32_t m : {kMsgCreate, kMsgNcCreate, kMsgDrawItem, kMsgDpiChanged})
    EXPECT_TRUE(DroppedWhenPosted(m)) << m;
  for (std::uint32_t m : {0x0010u /*WM_CLOSE*/, 0x0111u /*WM_COMMAND*/, 0x0113u /*WM_TIMER*/, 0x8001u})
    EXPECT_FALSE(DroppedWhenPosted(m)) << m;
}

TEST(WayOut, TheFirstCallerOnTheWindowsThreadRunsTheUnloadAndNoOneElseActs) {
  WayOut out;
  EXPECT_FALSE(out.Taken()) << "a request sent by another program before any fault is refused";
  EXPECT_EQ(out.Take(true, true), WayOut::Step::RunHere);
  EXPECT_TRUE(out.Taken());
  EXPECT_EQ(out.Take(true, true), WayOut::Step::None) << "a fault inside the unload";
  EXPECT_EQ(out.Take(false, true), WayOut::Step::None) << "a fault on another thread afterwards";
}

TEST(WayOut, AnotherThreadAsksTheWindowsThreadAndAfterTheWindowNothingIsAsked) {
  WayOut worker;
  EXPECT_EQ(worker.Take(false, true), WayOut::Step::AskWindowThread);
  EXPECT_EQ(worker.Take(true, true), WayOut::Step::None) << "the window's thread must not run it beside the ask";
  WayOut late;
  EXPECT_EQ(late.Take(true, false), WayOut::Step::None) << "the window is gone: its unload has run";
  EXPECT_EQ(late.Take(false, true), WayOut::Step::None);
}

}  // namespace
}  // namespace sorelka
