// Functions newer than Windows 2000, loaded at run time so the program still starts there;
// and functions of libraries the program needs only now and then, loaded at first use so that
// they and what they pull in stay out of its memory until then.
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

// ShellExecuteA(owner, verb, file, NULL, NULL, show) through shell32, loaded at the first call
// (shell32 and its dependencies are about as large as the rest of the program's libraries).
// False when the library or function could not be had.
bool ShellExecuteLazy(HWND owner, const char* verb, const char* file, int show);

// timeGetTime through winmm, loaded at the first call (only sends and the panel's slide read
// the clock); GetTickCount where winmm cannot be had.
DWORD TimeGetTimeLazy();

}  // namespace sorelka::win32
