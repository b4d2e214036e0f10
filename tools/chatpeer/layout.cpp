#include "layout.h"

#include <algorithm>

RECT WindowPlacer::Next(int width, int height) {
  const int screenW = GetSystemMetrics(SM_CXSCREEN);
  const int screenH = GetSystemMetrics(SM_CYSCREEN);
  constexpr int gap = 8;
  if (x_ != originX_ && x_ + width > screenW) {
    x_ = originX_;
    y_ += rowHeight_ + gap;
    rowHeight_ = 0;
  }
  if (y_ != originY_ && y_ + height > screenH) {
    // The screen is full: start over, shifted a little so the title bars stay apart.
    ++wraps_;
    x_ = originX_ + 24 * wraps_;
    y_ = originY_ + 24 * wraps_;
  }
  RECT rc{x_, y_, x_ + width, y_ + height};
  x_ += width + gap;
  rowHeight_ = std::max(rowHeight_, height);
  return rc;
}
