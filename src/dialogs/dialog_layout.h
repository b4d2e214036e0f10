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

DialogLayout LayOutDialog(const DialogDesc& desc, int dpi);

}  // namespace sorelka
