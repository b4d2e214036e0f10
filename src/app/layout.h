// The main window in pixels at a resolution, from where its controls stand now in twips: the
// shell places the window by it when it is made and again whenever its DPI changes.
#pragma once
#include <array>

#include "platform/form_port.h"
#include "platform/pixels.h"

namespace sorelka {

using TwipBounds = std::array<TwipRect, kControlCount>;

struct MainWindowLayout {
  int clientWidth = 0, clientHeight = 0;
  std::array<PixelRect, kControlCount> controls{};  // in the container's client area
  std::array<int, 2> panelRightEdges{};             // the status bar's parts
  int statusMinHeight = 0;                          // the status bar's height inside its borders
};

// Each control where the table puts it.
TwipBounds DesignBounds();
// `borderPx`: the height of one border line at this resolution (SM_CYBORDER).
MainWindowLayout LayOutMainWindow(const TwipBounds& bounds, int dpi, int borderPx);

}  // namespace sorelka
