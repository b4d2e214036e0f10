// The pause before pressing a chat window's send button, read from the `Wait` text box.
#pragma once
#include <cstdint>

#include "platform/types.h"

namespace sorelka {

// The longest pause: the largest 32-bit signed count, so a pause never means INFINITE.
inline constexpr std::uint32_t kMaxWaitMs = 2147483647;

// Reads the leading number of `text` as BASIC's Val does: spaces, tabs, CR and LF are skipped
// anywhere; an optional sign, digits, fraction and exponent (E or D) follow; reading stops at the
// first character that cannot continue the number; no number gives 0. The value is rounded to
// the nearest whole number, halves to even. Negative gives 0; beyond kMaxWaitMs gives kMaxWaitMs.
// The full-width digits, signs (＋ －), point (．), exponent letters (Ｅ ｅ) and the ideographic
// space read as their half-width forms, so "５００" is 500 as the box shows it.
std::uint32_t ParseWait(TextView text);

}  // namespace sorelka
