// Twips to pixels at a given resolution: the one conversion every window of the program uses,
// portable so that layouts can be checked natively at any DPI.
#pragma once
#include "platform/form_port.h"

namespace sorelka {

inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kDefaultDpi = 96;

struct PixelRect {
  int left = 0, top = 0, width = 0, height = 0;
  bool operator==(const PixelRect&) const = default;
};

// Rounds as MulDiv(twips, dpi, 1440) does: to the nearest pixel, halves away from zero.
constexpr int TwipsToPixels(int twips, int dpi) {
  const long long scaled = static_cast<long long>(twips) * dpi;
  const long long half = kTwipsPerInch / 2;
  return static_cast<int>(scaled >= 0 ? (scaled + half) / kTwipsPerInch : -((-scaled + half) / kTwipsPerInch));
}

// Each edge and size converted on its own, so a control keeps its size wherever it moves.
constexpr PixelRect TwipsToPixels(const TwipRect& r, int dpi) {
  return {TwipsToPixels(r.left, dpi), TwipsToPixels(r.top, dpi), TwipsToPixels(r.width, dpi),
          TwipsToPixels(r.height, dpi)};
}

}  // namespace sorelka
