// Composition of one line of the message into the text typed into the chat window:
// trailing spaces trimmed, reversed in the reversed-text modes, decorated with the insert.
#pragma once
#include "platform/form_port.h"
#include "platform/types.h"

namespace sorelka {

// Removes trailing U+0020 and U+3000 (mixed freely). Empty or all-space text becomes one U+3000,
// so an empty line is never sent empty.
Text TrimRightSpaces(const Text& text);

// Trim, then reverse (Default or SAKASA selected and enabled), then decorate with the PlusWord
// text (EveryWord, else Header and/or Footer; each only when ticked and enabled).
// Options are read at the call. Linear in the length of the line.
Text MakeSendText(const Text& line, FormPort& form);

}  // namespace sorelka
