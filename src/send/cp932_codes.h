// The codes a send posts: each UTF-16 unit of a composed line as its code page 932 code, the
// byte-level contract towards the chat windows.
#pragma once
#include <cstdint>
#include <vector>

#include "platform/desktop.h"

namespace sorelka {

// The code posted for one UTF-16 unit: its code page 932 code, a single byte as is (0..255), a
// double-byte code (lead byte high) sign-extended from 16 to 32 bits. A unit without a code,
// a lone surrogate among them, is typed as the system's default character '?'.
std::uint32_t Cp932Code(Desktop& desktop, char16_t unit);

// The codes of every unit of `line`, as Cp932Code gives them.
std::vector<std::uint32_t> LineCodes(Desktop& desktop, const Text& line);

// The first character of `text` that code page 932 has no code for, as it stands in the text
// (a surrogate pair whole, a lone surrogate alone); empty when every character has one. A
// character the system maps to another by best fit has a code. Linear in the length of the text.
TextView FirstCharacterWithoutCode(Desktop& desktop, TextView text);

}  // namespace sorelka
