#include "send/cp932_codes.h"

#include <algorithm>

namespace sorelka {
namespace {

bool IsHighSurrogate(char16_t u) { return u >= 0xD800 && u <= 0xDBFF; }
bool IsLowSurrogate(char16_t u) { return u >= 0xDC00 && u <= 0xDFFF; }

// The units of the character that starts at `at`: two for a whole surrogate pair, else one.
std::size_t CharacterUnits(TextView text, std::size_t at) {
  return IsHighSurrogate(text[at]) && at + 1 < text.size() && IsLowSurrogate(text[at + 1]) ? 2 : 1;
}

// Texts are looked at in pieces of this many units, so a long text that holds one character
// without a code costs one conversion per piece and one per character of the piece it is in.
constexpr std::size_t kPieceUnits = 4096;

}  // namespace

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

TextView FirstCharacterWithoutCode(Desktop& desktop, TextView text) {
  if (desktop.AnsiCarries(text)) return TextView();
  std::size_t at = 0;
  while (at < text.size()) {
    std::size_t end = std::min(text.size(), at + kPieceUnits);
    if (end < text.size() && IsLowSurrogate(text[end]) && IsHighSurrogate(text[end - 1])) ++end;  // a pair whole
    const TextView piece = text.substr(at, end - at);
    if (!desktop.AnsiCarries(piece)) {
      for (std::size_t i = 0; i < piece.size();) {
        const TextView character = piece.substr(i, CharacterUnits(piece, i));
        if (!desktop.AnsiCarries(character)) return character;
        i += character.size();
      }
    }
    at = end;
  }
  return TextView();
}

}  // namespace sorelka
