#include "desktop_win32.h"
#include "shell_namespace.h"

#include <algorithm>
#include <vector>

#include "win32/ansi_text.h"
#include "win32/dynamic_api.h"

namespace sorelka::shell {

Hwnd Win32Desktop::ForegroundWindow() { return FromHwnd(GetForegroundWindow()); }

namespace {
// The ANSI calls write at most bufferBytes-1 bytes and a NUL, and say how many they wrote.
// Only that count is taken: Wine's GetWindowTextA(NULL) fails but leaves stray bytes behind.
template <typename Read>
Ansi ReadAnsi(Hwnd window, int bufferBytes, Read read) {
  if (window == 0 || bufferBytes <= 0) return Ansi();  // "no window" has no name
  std::vector<char> buf(static_cast<std::size_t>(bufferBytes) + 1, '\0');
  const int n = read(buf.data(), bufferBytes);
  if (n <= 0) return Ansi();
  const std::size_t len = std::min<std::size_t>(static_cast<std::size_t>(n), static_cast<std::size_t>(bufferBytes) - 1);
  return Ansi(buf.data(), std::find(buf.data(), buf.data() + len, '\0') - buf.data());
}
}  // namespace

Ansi Win32Desktop::ClassNameA(Hwnd w, int bufferBytes) {
  return ReadAnsi(w, bufferBytes, [&](char* b, int n) { return GetClassNameA(ToHwnd(w), b, n); });
}

Ansi Win32Desktop::WindowTextA(Hwnd w, int bufferBytes) {
  return ReadAnsi(w, bufferBytes, [&](char* b, int n) { return GetWindowTextA(ToHwnd(w), b, n); });
}

Hwnd Win32Desktop::FindChildA(Hwnd parent, const char* className, const char* title) {
  // A parent of 0 would search the top-level windows: a failed step must stay failed.
  if (parent == 0) return 0;
  return FromHwnd(FindWindowExA(ToHwnd(parent), nullptr, className, title));
}

Hwnd Win32Desktop::LastSibling(Hwnd w) { return FromHwnd(GetWindow(ToHwnd(w), GW_HWNDLAST)); }

int Win32Desktop::ControlId(Hwnd w) { return GetDlgCtrlID(ToHwnd(w)); }

bool Win32Desktop::IsWindow(Hwnd w) { return ::IsWindow(ToHwnd(w)) != FALSE; }

bool Win32Desktop::IsHung(Hwnd w) { return IsHungAppWindowLate(ToHwnd(w)); }

PostResult Win32Desktop::PostMessageA(Hwnd w, std::uint32_t m, std::uintptr_t wp, std::intptr_t lp) {
  if (::PostMessageA(ToHwnd(w), m, static_cast<WPARAM>(wp), static_cast<LPARAM>(lp))) return PostResult::Posted;
  return GetLastError() == ERROR_NOT_ENOUGH_QUOTA ? PostResult::QueueFull : PostResult::Failed;
}

bool Win32Desktop::Answers(Hwnd w, std::uint32_t timeoutMs) {
  DWORD_PTR result = 0;
  return SendMessageTimeoutW(ToHwnd(w), WM_NULL, 0, 0, SMTO_ABORTIFHUNG | SMTO_NORMAL, timeoutMs, &result) != 0;
}

Hwnd Win32Desktop::OwnerOf(Hwnd w) { return w ? FromHwnd(GetWindow(ToHwnd(w), GW_OWNER)) : 0; }

bool Win32Desktop::IsOwnProcess(Hwnd w) {
  DWORD process = 0;
  return w && GetWindowThreadProcessId(ToHwnd(w), &process) && process == GetCurrentProcessId();
}

void Win32Desktop::SetTopMost(Hwnd w, bool release) {
  SetWindowPos(ToHwnd(w), release ? HWND_NOTOPMOST : HWND_TOPMOST, 0, 0, 0, 0,
               SWP_SHOWWINDOW | SWP_NOMOVE | SWP_NOSIZE);
}

void Win32Desktop::ShellOpen(const char* file) {
  ShellExecuteLazy(GetDesktopWindow(), "open", file, SW_SHOW);  // the result is ignored
}

Ansi Win32Desktop::ToAnsi(TextView text) {
  Ansi out;
  ToAnsiExact(CP_ACP, reinterpret_cast<const wchar_t*>(text.data()), static_cast<int>(text.size()), &out);
  return out;
}

bool Win32Desktop::AnsiCarries(TextView text) {
  return ToAnsiExact(CP_ACP, reinterpret_cast<const wchar_t*>(text.data()), static_cast<int>(text.size()), nullptr);
}

Text Win32Desktop::FromAnsi(std::string_view bytes) {
  if (bytes.empty()) return Text();
  int n = MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
  Text out(static_cast<std::size_t>(n), u'\0');
  MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()),
                      reinterpret_cast<wchar_t*>(out.data()), n);
  return out;
}

bool Win32Desktop::IsLeadByte(unsigned char b) { return IsDBCSLeadByte(b) != FALSE; }

}  // namespace sorelka::shell
