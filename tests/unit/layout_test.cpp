#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "app/controls.h"
#include "app/layout.h"
#include "dialogs/dialog_layout.h"
#include "platform/pixels.h"

namespace sorelka {
namespace {

constexpr int kDpis[] = {96, 120, 144, 192};

// Worked by hand: halves go away from zero as MulDiv rounds them (144 dpi is 10 twips a pixel,
// so every odd multiple of 5 twips is a half).
TEST(TwipsToPixels, RoundsToTheNearestPixelWithHalvesAwayFromZero) {
  struct Row {
    int twips, dpi, px;
  } rows[] = {
      {15, 96, 1},     {7, 96, 0},      {8, 96, 1},      {6060, 96, 404},  {5265, 96, 351},
      {5265, 120, 439}, {6, 120, 1},    {5265, 144, 527}, {45, 144, 5},    {6015, 144, 602},
      {5265, 192, 702}, {-7, 96, 0},    {-8, 96, -1},    {-6, 120, -1},    {0, 192, 0},
  };
  for (const Row& r : rows) EXPECT_EQ(TwipsToPixels(r.twips, r.dpi), r.px) << r.twips << " twips at " << r.dpi;
}

// An independent reference for the non-negative values of the tables.
int Nearest(int twips, int dpi) { return static_cast<int>(std::floor(twips * dpi / 1440.0 + 0.5)); }

void ExpectAt(const PixelRect& got, int left, int top, int width, int height, int dpi, const std::string& what) {
  EXPECT_EQ(got, (PixelRect{Nearest(left, dpi), Nearest(top, dpi), Nearest(width, dpi), Nearest(height, dpi)}))
      << what << " at " << dpi << " dpi: " << got.left << "," << got.top << " " << got.width << "x" << got.height;
}

TEST(MainWindowLayout, EveryControlWhereTheTableSaysAtEachResolution) {
  for (int dpi : kDpis) {
    const MainWindowLayout layout = LayOutMainWindow(DesignBounds(), dpi, 1);
    EXPECT_EQ(layout.clientWidth, Nearest(kClientWidthTwips, dpi));
    EXPECT_EQ(layout.clientHeight, Nearest(kClientHeightTwips, dpi));
    for (const ControlRow<Ctl>& d : ControlTable())
      ExpectAt(layout.controls[static_cast<int>(d.id)], d.left, d.top, d.width, d.height, dpi, d.name);
    // Panels of 2340 and 3900 twips, one after the other; the bar's own borders come off its height.
    EXPECT_EQ(layout.panelRightEdges[0], Nearest(2340, dpi));
    EXPECT_EQ(layout.panelRightEdges[1], Nearest(2340, dpi) + Nearest(3900, dpi));
    EXPECT_EQ(layout.statusMinHeight, Nearest(315, dpi) - 2);
  }
  // By hand at 144 dpi: Frame2 (45, 660, 6015, 2010) twips.
  EXPECT_EQ(LayOutMainWindow(DesignBounds(), 144, 1).controls[static_cast<int>(Ctl::Frame2)],
            (PixelRect{5, 66, 602, 201}));
}

// The layout follows where the controls stand now: the frames placed at load and Frame4 slid up
// over the shown panel stay where their twips say at the new resolution.
TEST(MainWindowLayout, FollowsTheCurrentTwipsOfMovedFrames) {
  TwipBounds now = DesignBounds();
  now[static_cast<int>(Ctl::Frame1)] = {10, 3420, 6060, 1560};
  now[static_cast<int>(Ctl::Frame4)] = {10, 1100, 6060, 2280};
  now[static_cast<int>(Ctl::Frame2)] = {10, 660, 6015, 2010};
  const MainWindowLayout at144 = LayOutMainWindow(now, 144, 1);
  EXPECT_EQ(at144.controls[static_cast<int>(Ctl::Frame4)], (PixelRect{1, 110, 606, 228}));
  EXPECT_EQ(at144.controls[static_cast<int>(Ctl::Frame1)], (PixelRect{1, 342, 606, 156}));
  for (int dpi : kDpis) {
    const MainWindowLayout layout = LayOutMainWindow(now, dpi, 1);
    for (const ControlRow<Ctl>& d : ControlTable()) {
      const TwipRect& t = now[static_cast<int>(d.id)];
      ExpectAt(layout.controls[static_cast<int>(d.id)], t.left, t.top, t.width, t.height, dpi, d.name);
    }
  }
}

TEST(DialogLayout, EveryControlWhereItsTableSaysAtEachResolution) {
  for (const DialogDesc<int>& desc : {ByPlace(TipWindowDesc()), ByPlace(AboutWindowDesc())}) {
    for (int dpi : kDpis) {
      const DialogLayout layout = LayOutDialog(desc, dpi);
      EXPECT_EQ(layout.clientWidth, Nearest(desc.clientWidth, dpi));
      EXPECT_EQ(layout.clientHeight, Nearest(desc.clientHeight, dpi));
      ASSERT_EQ(layout.controls.size(), desc.controls.size());
      for (std::size_t i = 0; i < desc.controls.size(); ++i) {
        const ControlRow<int>& c = desc.controls[i];
        const PixelRect& got = layout.controls[i];
        if (c.kind == Kind::Line) {  // an etched line stays two pixels high
          EXPECT_EQ(got, (PixelRect{Nearest(c.left, dpi), Nearest(c.top, dpi), Nearest(c.width, dpi), 2})) << c.name;
        } else {
          ExpectAt(got, c.left, c.top, c.width, c.height, dpi, c.name);
        }
      }
    }
  }
}

}  // namespace
}  // namespace sorelka
