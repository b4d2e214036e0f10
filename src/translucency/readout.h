// The translucency readout (the second timer): the slider position as the percentage the
// window shows, and the one-shot switch to always-on-top shortly after start.
#pragma once
#include <cmath>
#include <cstdint>
#include <string>
#include <utility>

#include "platform/form_port.h"
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

// The readout of a slider position: " 63 %".
inline Text SliderReadout(int value) { return BasicStr(SliderPercent(value, kSliderMax, kSliderMin)) + u" %"; }

class Readout {
 public:
  explicit Readout(FormPort& form) : form_(form) {}

  void Reset() { onTopApplied_ = false; }
  // True once, at the first tick after start: the window is due to go on top.
  bool TakeOnTopDue() { return !std::exchange(onTopApplied_, true); }
  // Writes the percentage as the slider's tip text and under the slider.
  void Show() {
    const Text percent = SliderReadout(form_.Value(Ctl::Slider));
    form_.SetText(Ctl::Slider, percent);
    form_.SetText(Ctl::Label2_0, u"Alpha " + percent);
  }

 private:
  FormPort& form_;
  bool onTopApplied_ = false;
};

}  // namespace sorelka
