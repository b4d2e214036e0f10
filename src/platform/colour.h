// Text colours, as every window's tables name them.
#pragma once
#include <cstdint>

namespace sorelka {

struct Colour {
  std::uint8_t r, g, b;
};
inline constexpr Colour kRed{255, 0, 0}, kBlue{0, 0, 255}, kPurple{192, 0, 192},
    kGreen{0, 128, 0}, kLightGreen{0, 192, 0}, kMagenta{255, 0, 255};

}  // namespace sorelka
