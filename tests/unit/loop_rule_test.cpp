#include "app/loop_rule.h"

#include <gtest/gtest.h>

namespace sorelka {
namespace {

using Ending = LoopRule::Ending;

TEST(LoopRule, ACloseWithNoLoopOpenIsDueAtOnceAndOnlyOnce) {
  LoopRule rule;
  EXPECT_FALSE(rule.Closing());
  EXPECT_FALSE(rule.Request(Ending::Close));  // nothing to cancel
  EXPECT_TRUE(rule.Closing());
  EXPECT_EQ(rule.Due(), Ending::Close);
  EXPECT_EQ(rule.Due(), Ending::None);
  EXPECT_EQ(rule.Due(), Ending::None) << "a second close must not destroy the window twice";
}

TEST(LoopRule, ARequestInsideNestedLoopsWaitsForTheOutermostToUnwind) {
  LoopRule rule;
  rule.Enter();  // a message box
  rule.Enter();  // a pump inside a handler the box dispatched
  EXPECT_TRUE(rule.Request(Ending::Close)) << "the inner work must be cancelled";
  EXPECT_EQ(rule.Due(), Ending::None);
  EXPECT_FALSE(rule.Leave()) << "one loop is still open";
  EXPECT_EQ(rule.Due(), Ending::None);
  EXPECT_TRUE(rule.Leave()) << "the outermost loop unwound: time to finish";
  EXPECT_EQ(rule.Due(), Ending::Close);
  // A loop entered and left afterwards does not finish a second time.
  rule.Enter();
  EXPECT_FALSE(rule.Leave());
}

TEST(LoopRule, LoopsWithoutARequestNeverFinish) {
  LoopRule rule;
  for (int i = 0; i < 3; ++i) {
    rule.Enter();
    EXPECT_FALSE(rule.Leave());
  }
  EXPECT_EQ(rule.Due(), Ending::None);
  EXPECT_FALSE(rule.Closing());
}

TEST(LoopRule, AnExitOutranksAClose) {
  LoopRule rule;
  rule.Enter();
  rule.Request(Ending::Exit);
  rule.Request(Ending::Close);  // the window closing as the process ends
  EXPECT_TRUE(rule.Leave());
  EXPECT_EQ(rule.Due(), Ending::Exit);
}

}  // namespace
}  // namespace sorelka
