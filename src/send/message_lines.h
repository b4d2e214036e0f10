// The lines of the Message box as a send takes them: split at CR LF only, as the edit box
// keeps its line breaks; a lone CR or LF stays inside its line.
#pragma once
#include <cstddef>
#include <vector>

#include "platform/types.h"

namespace sorelka {

// Every line of `text`; an empty text is one empty line, and a text ending in CR LF ends with
// an empty line. Linear in the length of the text.
std::vector<Text> SplitLines(TextView text);

// `text` without its first `lines` lines; empty when it has no more.
Text WithoutFirstLines(TextView text, std::size_t lines);

}  // namespace sorelka
