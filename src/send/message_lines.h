// The lines of the Message box as the chat sees them: CR LF is one line break, and so is every
// other CR or LF (the edit box keeps what was pasted; a chat sends at either). The one split
// behind the line count, the lines sent and the lines removed once sent.
#pragma once
#include <cstddef>
#include <vector>

#include "platform/types.h"

namespace sorelka {

// Every line of `text`, none holding a CR or LF; an empty text is one empty line, and a text
// ending in a line break ends with an empty line. Linear in the length of the text.
std::vector<Text> SplitLines(TextView text);

// `text` without its first `lines` lines and the break after each; the breaks between the lines
// left stay as they were. Empty when it has no more.
Text WithoutFirstLines(TextView text, std::size_t lines);

}  // namespace sorelka
