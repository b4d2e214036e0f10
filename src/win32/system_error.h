// The system's own words for an error code, as any Win32 program may show them.
#pragma once
#include <windows.h>

#include <string>

namespace sorelka::win32 {

// The system's own text for `error`, without its line end; its number when the system has none.
std::wstring SystemErrorText(DWORD error);

// `n` in decimal, without the C runtime's wide formatting (it would add imports).
std::wstring DecimalText(DWORD n);

}  // namespace sorelka::win32
