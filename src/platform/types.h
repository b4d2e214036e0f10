// Basic types shared by the portable code: window handles and UTF-16 text.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace sorelka {

// A window handle of any program; 0 is "no window". Pointer-sized so the x86_64 build keeps it whole.
using Hwnd = std::uintptr_t;

// Text as the user sees it: UTF-16 code units (wchar_t is 32 bits on Linux).
using Text = std::u16string;
using TextView = std::u16string_view;

// Text in the system ANSI code page (932): the byte-level contract towards other programs.
using Ansi = std::string;

// Literal helper: u"..." stays u"..."; this only names intent at call sites.
inline Text T(const char16_t* s) { return Text(s); }

}  // namespace sorelka
