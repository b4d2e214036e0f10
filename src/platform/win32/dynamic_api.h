// Functions newer than Windows 2000, loaded at run time so the program still starts there.
#pragma once
#include <windows.h>

namespace sorelka::win32 {

// SetWindowTheme(hwnd, L"", L""): draw a control unthemed (so its text colour shows).
void DisableTheme(HWND control);

// The layered-window attributes: Windows 2000 has Set but not Get; null where missing.
using SetLayeredFn = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);
using GetLayeredFn = BOOL(WINAPI*)(HWND, COLORREF*, BYTE*, DWORD*);
SetLayeredFn SetLayeredWindowAttributesFn();
GetLayeredFn GetLayeredWindowAttributesFn();

// WM_DPICHANGED (Windows 8.1 and later), beyond the headers of the oldest system served:
// wParam the new DPI in both words, lParam the suggested window rectangle (RECT*).
inline constexpr UINT kWmDpiChanged = 0x02E0;

// The resolution `window` is shown at: GetDpiForWindow (Windows 10 1607 and later), else the
// screen's, which is the only one older systems have.
int WindowDpi(HWND window);

}  // namespace sorelka::win32
