// A tip or version window in pixels at a resolution, from its table.
#pragma once
#include <vector>

#include "dialogs/dialog_controls.h"
#include "platform/pixels.h"

namespace sorelka {

struct DialogLayout {
  int clientWidth = 0, clientHeight = 0;
  std::vector<PixelRect> controls;  // by place in the table, in the container's client area
};

// A separator line is drawn two pixels high at every resolution.
inline constexpr int kLineHeightPx = 2;

template <typename Id>
DialogLayout LayOutDialog(const DialogDesc<Id>& desc, int dpi) {
  DialogLayout layout;
  layout.clientWidth = TwipsToPixels(desc.clientWidth, dpi);
  layout.clientHeight = TwipsToPixels(desc.clientHeight, dpi);
  layout.controls.reserve(desc.controls.size());
  for (const ControlRow<Id>& c : desc.controls) {
    PixelRect r = TwipsToPixels(TwipRect{c.left, c.top, c.width, c.height}, dpi);
    if (c.kind == Kind::Line) r.height = kLineHeightPx;
    layout.controls.push_back(r);
  }
  return layout;
}

}  // namespace sorelka
