#include "send/cp932_codes.h"

#include <algorithm>

namespace sorelka {

std::uint32_t Cp932Code(Desktop& desktop, char16_t unit) {
  const Ansi bytes = desktop.ToAnsi(TextView(&unit, 1));
  if (bytes.size() == 1) return static_cast<unsigned char>(bytes[0]);
  if (bytes.size() == 2) {
    const auto code = static_cast<std::int16_t>((static_cast<unsigned char>(bytes[0]) << 8) |
                                                static_cast<unsigned char>(bytes[1]));
    return static_cast<std::uint32_t>(static_cast<std::int32_t>(code));
  }
  return '?';
}

std::vector<std::uint32_t> LineCodes(Desktop& desktop, const Text& line) {
  // One conversion for the whole line is far cheaper than one per unit; it yields one code per
  // unit unless the line holds surrogates (or the conversion merged units), which go unit by unit.
  std::vector<std::uint32_t> codes;
  codes.reserve(line.size());
  const bool surrogates =
      std::any_of(line.begin(), line.end(), [](char16_t u) { return u >= 0xD800 && u <= 0xDFFF; });
  if (!surrogates) {
    const Ansi bytes = desktop.ToAnsi(line);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
      const auto lead = static_cast<unsigned char>(bytes[i]);
      if (desktop.IsLeadByte(lead) && i + 1 < bytes.size()) {
        const auto code = static_cast<std::int16_t>((lead << 8) | static_cast<unsigned char>(bytes[++i]));
        codes.push_back(static_cast<std::uint32_t>(static_cast<std::int32_t>(code)));
      } else {
        codes.push_back(lead);
      }
    }
    if (codes.size() == line.size()) return codes;
    codes.clear();
  }
  for (char16_t unit : line) codes.push_back(Cp932Code(desktop, unit));
  return codes;
}

}  // namespace sorelka
