// What the fuzz targets share: a failed invariant that libFuzzer reports as a crash, and texts
// built from the input over an alphabet of the units that matter to the code under test.
#pragma once
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <string>
#include <vector>

#include "platform/types.h"

namespace sorelka::fuzz {

[[noreturn]] inline void Fail(const char* what, const char* file, int line) {
  std::fprintf(stderr, "invariant failed: %s (%s:%d)\n", what, file, line);
  std::abort();
}

#define FUZZ_CHECK(condition) \
  ((condition) ? (void)0 : ::sorelka::fuzz::Fail(#condition, __FILE__, __LINE__))

// Mostly units from `alphabet`, now and then any 16-bit unit, so the interesting cases are
// common without shutting out the rest.
inline Text TextFrom(FuzzedDataProvider& in, const std::vector<char16_t>& alphabet,
                     std::size_t maxUnits) {
  Text out;
  const std::size_t n = in.ConsumeIntegralInRange<std::size_t>(0, maxUnits);
  for (std::size_t i = 0; i < n && in.remaining_bytes() > 0; ++i) {
    const std::uint8_t pick = in.ConsumeIntegral<std::uint8_t>();
    if (pick < 224 && !alphabet.empty()) out.push_back(alphabet[pick % alphabet.size()]);
    else out.push_back(in.ConsumeIntegral<char16_t>());
  }
  return out;
}

// Units that cover code page 932's cases: ASCII, half-width kana, double-byte kana and kanji,
// the ideographic space, a unit without a code, and both surrogate halves.
inline const std::vector<char16_t>& Cp932Alphabet() {
  static const std::vector<char16_t> units = {
      u'a', u'Z', u'0', u' ', u'*', u'\t', u'\x7f', u'\u00a5', u'\uff71', u'\uff9f',
      u'あ', u'ン', u'漢', u'発', u'言', u'\u3000', u'\u00e9', u'\u20ac', char16_t{0xD83D}, char16_t{0xDE00}};
  return units;
}

}  // namespace sorelka::fuzz
