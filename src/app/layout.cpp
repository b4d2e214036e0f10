#include "app/layout.h"

#include "app/controls.h"

namespace sorelka {

TwipBounds DesignBounds() {
  TwipBounds bounds{};
  for (const ControlRow<Ctl>& d : ControlTable()) bounds[static_cast<int>(d.id)] = {d.left, d.top, d.width, d.height};
  return bounds;
}

MainWindowLayout LayOutMainWindow(const TwipBounds& bounds, int dpi, int borderPx) {
  MainWindowLayout layout;
  layout.clientWidth = TwipsToPixels(kClientWidthTwips, dpi);
  layout.clientHeight = TwipsToPixels(kClientHeightTwips, dpi);
  for (int i = 0; i < kControlCount; ++i) layout.controls[i] = TwipsToPixels(bounds[i], dpi);
  // Each panel is as wide as its twips say, the second one after the first.
  layout.panelRightEdges[0] = TwipsToPixels(kPanelWidthsTwips[0], dpi);
  layout.panelRightEdges[1] = layout.panelRightEdges[0] + TwipsToPixels(kPanelWidthsTwips[1], dpi);
  layout.statusMinHeight = layout.controls[static_cast<int>(Ctl::Status)].height - 2 * borderPx;
  return layout;
}

}  // namespace sorelka
