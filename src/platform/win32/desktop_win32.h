// The desktop port over user32, kernel32 and winmm.
#pragma once
#include <windows.h>

#include "platform/desktop.h"

namespace sorelka::win32 {

class Win32Desktop final : public Desktop {
 public:
  Hwnd ForegroundWindow() override;
  Ansi ClassNameA(Hwnd window, int bufferBytes) override;
  Ansi WindowTextA(Hwnd window, int bufferBytes) override;
  Hwnd FindChildA(Hwnd parent, const char* className, const char* title) override;
  Hwnd LastSibling(Hwnd window) override;
  int ControlId(Hwnd window) override;
  bool IsWindow(Hwnd window) override;
  bool IsHung(Hwnd window) override;
  PostResult PostMessageA(Hwnd window, std::uint32_t message, std::uintptr_t wParam,
                          std::intptr_t lParam) override;
  void SetTopMost(Hwnd window, bool release) override;
  void ShellOpen(const char* file) override;
  void Sleep(std::uint32_t ms) override;
  std::uint32_t Milliseconds() override;
  bool PumpMessages() override;
  Ansi ToAnsi(TextView text) override;
  Text FromAnsi(std::string_view bytes) override;
  bool IsLeadByte(unsigned char byte) override;
};

inline HWND ToHwnd(Hwnd h) { return reinterpret_cast<HWND>(h); }
inline Hwnd FromHwnd(HWND h) { return reinterpret_cast<Hwnd>(h); }

}  // namespace sorelka::win32
