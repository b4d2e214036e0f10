// Functions newer than Windows 2000, loaded at run time so the program still starts there;
// and functions of libraries the program needs only now and then, loaded at first use so that
// they and what they pull in stay out of its memory until then.
#pragma once
#include <windows.h>

#include <cstdint>

namespace sorelka::win32 {

// A system library by its full path, so that no file of the same name beside the program or
// in the current directory is loaded instead; kept loaded for the life of the process.
HMODULE LoadSystemLibrary(const wchar_t* dll);

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

// True when the message being handled was sent from another thread or process
// (InSendMessageEx, loaded at run time): a pointer among its parameters then points into
// memory this program cannot check. Where the function is missing, every message counts as
// such, since only newer systems send the messages that carry such pointers.
bool SentFromElsewhere();

// IsHungAppWindow (user32, undocumented before XP): false where it is missing.
bool IsHungAppWindowLate(HWND window);

// The screen's resolution, dots per inch: the only one Windows before 10 knows for a window.
int ScreenDpi();

// The resolution `window` is shown at: GetDpiForWindow (Windows 10 1607 and later), else the
// screen's, which is the only one older systems have.
int WindowDpi(HWND window);

// ShellExecuteA(owner, verb, file, NULL, NULL, show) through shell32, loaded at the first call
// (shell32 and its dependencies are about as large as the rest of the program's libraries).
// False when the library or function could not be had.
bool ShellExecuteLazy(HWND owner, const char* verb, const char* file, int show);

// timeGetTime through winmm, loaded at the first call (only sends and the panel's slide read
// the clock); GetTickCount where winmm cannot be had.
DWORD TimeGetTimeLazy();

// The functions above that a test may report missing, so that the older systems' way runs
// somewhere: while a ReportMissing lives, its function counts as missing, as on a system
// without it. For tests only, on one thread.
enum class LateFunction : std::uint8_t { GetLayeredWindowAttributes, SetWindowTheme, GetDpiForWindow, Count };
class ReportMissing {
 public:
  explicit ReportMissing(LateFunction f);
  ~ReportMissing();
  ReportMissing(const ReportMissing&) = delete;
  ReportMissing& operator=(const ReportMissing&) = delete;

 private:
  LateFunction f_;
};

}  // namespace sorelka::win32
