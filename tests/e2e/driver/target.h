// Finding and reading the program's windows from outside its process.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

inline constexpr const wchar_t* kMainClass = L"SorelkaMainWindow";

// Which top-level window the commands work on: the first of `className`, or `hwnd` if given.
struct Target {
  std::wstring className = kMainClass;
  HWND hwnd = nullptr;
};

HWND FindMain(const Target& target);
// Polls every few milliseconds until the window exists and is visible, or the time is up.
HWND WaitForMain(const Target& target, DWORD timeoutMs);

// A decimal or 0x-hexadecimal handle; nullptr when the text is not a number.
HWND ParseHandle(const std::wstring& text);
bool ParseInt(const std::wstring& text, long long& value);

std::wstring ClassOf(HWND w);
// WM_GETTEXT with a timeout, so a hung program cannot hang the test.
std::wstring TextOf(HWND w);
LRESULT SendWithTimeout(HWND w, UINT msg, WPARAM wp, LPARAM lp, bool* ok = nullptr);

// Every descendant window, parents before their children.
std::vector<HWND> Descendants(HWND top);
HWND ControlById(HWND top, int id);
// The control id of the window holding the keyboard focus in the program's GUI thread.
HWND FocusOf(HWND top);

// Milliseconds since an arbitrary start; for deadlines.
inline DWORD Now() { return GetTickCount(); }

}  // namespace e2e
