// The characters that Japanese text from other systems carries where code page 932 has a
// JIS X 0208 one, and what the program types for them. Conversions make no best fit: this short
// list is the only character the program changes on its way. One table, used by the send and
// by every test double of the conversion.
#pragma once
#include <array>
#include <utility>

#include "platform/types.h"

namespace sorelka {

inline constexpr std::array<std::pair<char16_t, char16_t>, 9> kJisEquivalents{{
    {u'\u301C', u'\uFF5E'},  // wave dash           -> fullwidth tilde
    {u'\u2212', u'\uFF0D'},  // minus sign          -> fullwidth hyphen-minus
    {u'\u2016', u'\u2225'},  // double vertical line -> parallel to
    {u'\u2014', u'\u2015'},  // em dash             -> horizontal bar
    {u'\u00A2', u'\uFFE0'},  // cent sign           -> fullwidth cent sign
    {u'\u00A3', u'\uFFE1'},  // pound sign          -> fullwidth pound sign
    {u'\u00AC', u'\uFFE2'},  // not sign            -> fullwidth not sign
    {u'\u00A5', u'\\'},      // yen sign: 0x5C, which Japanese fonts show as one
    {u'\u203E', u'~'},       // overline: 0x7E, likewise
}};

// The character typed for `unit`: its JIS X 0208 equivalent, else itself.
constexpr char16_t JisEquivalent(char16_t unit) {
  if (unit < 0xA2) return unit;  // the common case: ASCII and Latin-1 controls are never listed
  for (const auto& [from, to] : kJisEquivalents)
    if (unit == from) return to;
  return unit;
}

// `text` with every listed character replaced; the same length, unit for unit.
inline Text WithJisEquivalents(TextView text) {
  Text out(text);
  for (char16_t& unit : out) unit = JisEquivalent(unit);
  return out;
}

}  // namespace sorelka
