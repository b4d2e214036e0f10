// Functions newer than Windows 2000, loaded at run time so the program still starts there.
#pragma once
#include <windows.h>

namespace sorelka::win32 {

// SetWindowTheme(hwnd, L"", L""): draw a control unthemed (so its text colour shows).
void DisableTheme(HWND control);

// Layered-window alpha (Windows 2000 has Set but not Get).
bool SetLayeredAlpha(HWND window, BYTE alpha);

}  // namespace sorelka::win32
