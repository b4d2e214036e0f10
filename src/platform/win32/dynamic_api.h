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

}  // namespace sorelka::win32
