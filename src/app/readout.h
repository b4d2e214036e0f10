// The translucency readout: the slider position as the percentage the window shows.
#pragma once
#include <cmath>
#include <string>

#include "platform/types.h"

namespace sorelka {

inline constexpr int kSliderMin = 30, kSliderMax = 255;

// Int(value / (max - min) * 100) - 13: the offset is the design minimum's own share, so the
// design range reads 0 to 100. A range of zero width reads 0 rather than failing.
inline int SliderPercent(int value, int max, int min) {
  const long long span = static_cast<long long>(max) - min;
  if (span == 0) return 0;
  return static_cast<int>(std::floor(static_cast<double>(value) / static_cast<double>(span) * 100.0)) - 13;
}

// A number as the classic Str() writes it: a leading space for zero and above, else the sign.
inline Text BasicStr(int n) {
  const std::string digits = std::to_string(n < 0 ? -static_cast<long long>(n) : n);
  Text out(1, n < 0 ? u'-' : u' ');
  for (char c : digits) out.push_back(static_cast<char16_t>(c));
  return out;
}

}  // namespace sorelka
