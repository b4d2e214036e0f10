// UTF-16 text between the portable code (char16_t) and Win32 (wchar_t): the same units on Windows.
#pragma once
#include <string>

namespace sorelka::win32 {

inline const wchar_t* W(const std::u16string& s) { return reinterpret_cast<const wchar_t*>(s.c_str()); }
inline const wchar_t* W(const char16_t* s) { return reinterpret_cast<const wchar_t*>(s); }

}  // namespace sorelka::win32
