#include "dialogs/dialog_layout.h"

namespace sorelka {

DialogLayout LayOutDialog(const DialogDesc& desc, int dpi) {
  DialogLayout layout;
  layout.clientWidth = TwipsToPixels(desc.clientWidth, dpi);
  layout.clientHeight = TwipsToPixels(desc.clientHeight, dpi);
  layout.controls.reserve(desc.controls.size());
  for (const DialogControl& c : desc.controls) {
    PixelRect r = TwipsToPixels(TwipRect{c.left, c.top, c.width, c.height}, dpi);
    if (c.kind == DialogKind::Line) r.height = kLineHeightPx;
    layout.controls.push_back(r);
  }
  return layout;
}

}  // namespace sorelka
