// Where each peer window goes, so several of them stay readable side by side.
#pragma once

#include <windows.h>

class WindowPlacer {
 public:
  WindowPlacer(int x, int y) : originX_(x), originY_(y), x_(x), y_(y) {}
  // The next window's rectangle, left to right, then a new row below.
  RECT Next(int width, int height);

 private:
  int originX_, originY_;
  int x_, y_;
  int rowHeight_ = 0;
  int wraps_ = 0;
};
