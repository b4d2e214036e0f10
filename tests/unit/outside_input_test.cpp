// What other programs and threads can make the program do: the WM_DPICHANGED it acts on, the
// posted messages its loops drop, and the one way out of a fault or std::terminate.
#include <gtest/gtest.h>

#include <tuple>

#include "app/message_trust.h"
#include "app/way_out.h"

namespace sorelka {
namespace {

TEST(MessageTrust, OnlyTheSystemsOwnDpiChangeIsActedOnAndOnlyItsRectangleRead) {
  using A = Arrival;
  using D = DpiAction;
  for (auto [how, dpi, rect, want] : {std::tuple{A::SentOnOwnThread, 144, true, D::RescaleToSuggestion},
                                      {A::SentOnOwnThread, 144, false, D::Rescale}, {A::SentOnOwnThread, 0, true, D::Ignore},
                                      {A::SentFromElsewhere, 144, true, D::Ignore}, {A::SentFromElsewhere, 144, false, D::Ignore},
                                      {A::Posted, 144, true, D::Ignore}})
    EXPECT_EQ(DecideDpiChange(how, dpi, rect), want) << static_cast<int>(how) << " " << dpi << " " << rect;
  for (std::uint32_t m : {kMsgCreate, kMsgNcCreate, kMsgDrawItem, kMsgDpiChanged}) EXPECT_TRUE(DroppedWhenPosted(m)) << m;
  for (std::uint32_t m : {0x0010u, 0x0111u, 0x0113u, 0x8001u}) EXPECT_FALSE(DroppedWhenPosted(m)) << m;  // close, command, timer, app
}

TEST(WayOut, OnlyTheFirstCallerActsOnTheWindowsThreadOrByAskingIt) {
  WayOut here, elsewhere, late;
  EXPECT_FALSE(here.Taken()) << "a request sent by another program before any fault is refused";
  EXPECT_EQ(here.Take(true, true), WayOut::Step::RunHere);
  EXPECT_TRUE(here.Taken());
  EXPECT_EQ(here.Take(true, true), WayOut::Step::None) << "a fault inside the unload";
  EXPECT_EQ(here.Take(false, true), WayOut::Step::None) << "a fault on another thread afterwards";
  EXPECT_EQ(elsewhere.Take(false, true), WayOut::Step::AskWindowThread);
  EXPECT_EQ(elsewhere.Take(true, true), WayOut::Step::None) << "the window's thread must not run it beside the ask";
  EXPECT_EQ(late.Take(true, false), WayOut::Step::None) << "the window is gone: its unload has run";
}

}  // namespace
}  // namespace sorelka
