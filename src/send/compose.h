// Composition of one line of the message into the text typed into the chat window:
// trailing spaces trimmed, reversed in the reversed-text modes, decorated with the insert.
#pragma once
#include <cstdint>

#include "platform/types.h"
#include "send/send_request.h"

namespace sorelka {

// Removes trailing U+0020 and U+3000 (mixed freely). Empty or all-space text becomes one U+3000,
// so an empty line is never sent empty.
Text TrimRightSpaces(const Text& text);

// Trim, then reverse (the reversed-text modes), then decorate with the insert (every
// character, else before and/or after). Linear in the length of the line.
Text MakeSendText(const Text& line, const ComposeOptions& options);

// The length of a trimmed text of `units` units once decorated as `options` say, in 64 bits,
// held at the largest value rather than wrap.
std::uint64_t ComposedLength(std::uint64_t units, const ComposeOptions& options);

// The length MakeSendText gives, without building the text; counted in 64 bits and held at
// the largest value rather than wrap, so a 32-bit build sees an overlong line as overlong.
std::uint64_t SendTextLength(const Text& line, const ComposeOptions& options);

}  // namespace sorelka
