// The codes a send posts: each UTF-16 unit of a composed line as its code page 932 code, the
// byte-level contract towards the chat windows.
#pragma once
#include <cstdint>
#include <vector>

#include "platform/desktop.h"

namespace sorelka {

// The code posted for one UTF-16 unit, after its JIS X 0208 equivalent (jis_equivalents.h): its
// code page 932 code, a single byte as is (0..255), a double-byte code (lead byte high)
// sign-extended from 16 to 32 bits. A unit without one code, a lone surrogate among them, is
// typed as the system's default character '?': the check below keeps such units from a send.
std::uint32_t Cp932Code(Desktop& desktop, char16_t unit);

// The codes of every unit of `line`, as Cp932Code gives them.
std::vector<std::uint32_t> LineCodes(Desktop& desktop, const Text& line);

// Whether a CR or LF in the text separates lines (the message) or would be typed (the insert).
enum class LineBreaks { Separate, Refused };

// The first character of `text` that cannot be typed into a chat window as one code, as it
// stands in the text (a surrogate pair whole, a lone surrogate alone); empty when there is none.
// One code is one byte, or a lead byte and one trail byte, of the exact conversion of the
// character or of its JIS X 0208 equivalent (no best fit); a surrogate, and a CR or LF that
// does not separate lines, never is. Linear in the length of the text.
TextView FirstCharacterWithoutCode(Desktop& desktop, TextView text, LineBreaks breaks);

}  // namespace sorelka
