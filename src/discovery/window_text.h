// Class names and titles of other programs' windows, read through the ANSI interface within a
// byte limit of code page 932, and the prefix test the classification uses.
#pragma once
#include <cstddef>

#include "platform/desktop.h"

namespace sorelka {

// Room for the NUL and one whole double-byte character beyond the limit: how the system splits a
// character at the end of its buffer then falls past our own cut and cannot show in the text.
constexpr int kAnsiReadSlackBytes = 3;

// The window's title, at most `maxBytes` bytes of it, never ending in half a character.
inline Text ReadWindowText(Desktop& desktop, Hwnd window, std::size_t maxBytes) {
  Ansi bytes = desktop.WindowTextA(window, static_cast<int>(maxBytes) + kAnsiReadSlackBytes);
  return desktop.FromAnsi(CutAnsi(desktop, bytes, maxBytes));
}

// The window's class name, with the same limit and the same care.
inline Text ReadClassName(Desktop& desktop, Hwnd window, std::size_t maxBytes) {
  Ansi bytes = desktop.ClassNameA(window, static_cast<int>(maxBytes) + kAnsiReadSlackBytes);
  return desktop.FromAnsi(CutAnsi(desktop, bytes, maxBytes));
}

// Exact, case-sensitive comparison of the first prefix.size() code units.
constexpr bool StartsWith(TextView text, TextView prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

}  // namespace sorelka
