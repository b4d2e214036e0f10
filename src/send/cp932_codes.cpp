#include "send/cp932_codes.h"

#include <algorithm>
#include <array>

#include "send/jis_equivalents.h"

namespace sorelka {
namespace {

bool IsSurrogate(char16_t u) { return u >= 0xD800 && u <= 0xDFFF; }
bool IsHighSurrogate(char16_t u) { return u >= 0xD800 && u <= 0xDBFF; }
bool IsLowSurrogate(char16_t u) { return u >= 0xDC00 && u <= 0xDFFF; }
bool IsLineBreak(char16_t u) { return u == u'\r' || u == u'\n'; }

// The units of the character that starts at `at`: two for a whole surrogate pair, else one.
std::size_t CharacterUnits(TextView text, std::size_t at) {
  return IsHighSurrogate(text[at]) && at + 1 < text.size() && IsLowSurrogate(text[at + 1]) ? 2 : 1;
}

// Texts are looked at in pieces of this many units, so a long text that holds one character
// without a code costs one conversion per piece and one per character of the piece it is in.
constexpr std::size_t kPieceUnits = 4096;

using LeadBytes = std::array<bool, 256>;

LeadBytes LeadBytesOf(Desktop& desktop) {
  LeadBytes lead{};
  for (int b = 0; b < 256; ++b) lead[b] = desktop.IsLeadByte(static_cast<unsigned char>(b));
  return lead;
}

bool IsLead(const LeadBytes& lead, char byte) { return lead[static_cast<unsigned char>(byte)]; }

// True when `bytes` read as codes (a lead byte takes the byte after it) are `units` whole codes.
// A conversion gives each character at least one byte, so as many codes as units is one each.
bool OneCodePerUnit(const Ansi& bytes, std::size_t units, const LeadBytes& lead) {
  std::size_t codes = 0, i = 0;
  for (; i < bytes.size(); ++codes) i += IsLead(lead, bytes[i]) ? 2 : 1;
  return i == bytes.size() && codes == units;
}

// `piece` holds the JIS X 0208 equivalents already. A surrogate is never one code: each unit is
// posted on its own.
bool EveryCharacterHasACode(Desktop& desktop, TextView piece, LineBreaks breaks, const LeadBytes& lead) {
  if (std::any_of(piece.begin(), piece.end(), IsSurrogate)) return false;
  if (breaks == LineBreaks::Refused && std::any_of(piece.begin(), piece.end(), IsLineBreak)) return false;
  return desktop.AnsiCarries(piece) && OneCodePerUnit(desktop.ToAnsi(piece), piece.size(), lead);
}

}  // namespace

std::uint32_t Cp932Code(Desktop& desktop, char16_t unit) {
  const char16_t typed = JisEquivalent(unit);
  const Ansi bytes = desktop.ToAnsi(TextView(&typed, 1));
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
  if (std::none_of(line.begin(), line.end(), IsSurrogate)) {
    const Ansi bytes = desktop.ToAnsi(WithJisEquivalents(line));
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

TextView FirstCharacterWithoutCode(Desktop& desktop, TextView text, LineBreaks breaks) {
  const LeadBytes lead = LeadBytesOf(desktop);
  std::size_t at = 0;
  while (at < text.size()) {
    std::size_t end = std::min(text.size(), at + kPieceUnits);
    if (end < text.size() && IsLowSurrogate(text[end]) && IsHighSurrogate(text[end - 1])) ++end;  // a pair whole
    const TextView piece = text.substr(at, end - at);
    const Text typed = WithJisEquivalents(piece);  // unit for unit: positions stay
    if (!EveryCharacterHasACode(desktop, typed, breaks, lead)) {
      for (std::size_t i = 0; i < piece.size();) {
        const std::size_t units = CharacterUnits(piece, i);
        if (!EveryCharacterHasACode(desktop, TextView(typed).substr(i, units), breaks, lead))
          return piece.substr(i, units);
        i += units;
      }
    }
    at = end;
  }
  return TextView();
}

}  // namespace sorelka
