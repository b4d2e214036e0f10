// The desktop port over user32 and kernel32; shell32 loaded at first use.
#pragma once
#include <windows.h>
#include "shell_namespace.h"

#include "platform/desktop.h"
#include "style_worker.h"

namespace sorelka::shell {

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
  bool Answers(Hwnd window, std::uint32_t timeoutMs) override;
  Hwnd OwnerOf(Hwnd window) override;
  bool IsOwnProcess(Hwnd window) override;
  void SetTopMost(Hwnd window, bool release) override;
  // the window-alpha layer (window_alpha.cpp)
  Layering ReadLayering(Hwnd window) override;
  bool LayeringReadable() override;
  bool SetLayeredAttributes(Hwnd window, const Layering& attributes) override;
  StyleChange RequestLayeredStyle(const StyleRequest& request) override;
  std::vector<StyleOutcome> TakeStyleOutcomes() override;
  void AnnounceStyleOutcomesTo(Hwnd window) override;
  bool WaitForStyleChanges(std::uint32_t ms) override;
  std::uint32_t WindowProcess(Hwnd window) override;
  std::uint32_t OwnProcess() override;
  bool ProcessRuns(std::uint32_t process) override;
  std::vector<Hwnd> TopLevelWindows() override;
  bool WriteAlphaRecord(Hwnd window, std::uint32_t process, const AlphaRecordValues& values) override;
  std::vector<AlphaRecordEntry> ReadAlphaRecords(Hwnd window) override;
  void RemoveAlphaRecord(Hwnd window, std::uint32_t process) override;
  void ShellOpen(const char* file) override;
  Ansi ToAnsi(TextView text) override;
  bool AnsiCarries(TextView text) override;
  Text FromAnsi(std::string_view bytes) override;
  bool IsLeadByte(unsigned char byte) override;

 private:
  StyleWorker styles_;
};

inline HWND ToHwnd(Hwnd h) { return reinterpret_cast<HWND>(h); }
inline Hwnd FromHwnd(HWND h) { return reinterpret_cast<Hwnd>(h); }

}  // namespace sorelka::shell
