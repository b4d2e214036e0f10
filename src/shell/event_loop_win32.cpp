#include "event_loop_win32.h"
#include "shell_namespace.h"

#include "win32/dynamic_api.h"

namespace sorelka::shell {

std::uint32_t Win32EventLoop::Milliseconds() { return TimeGetTimeLazy(); }

void Win32EventLoop::Sleep(std::uint32_t ms) { ::Sleep(ms); }

// The pump below takes everything queued with PeekMessage, so whatever arrives after it, a
// posted message, input or a due timer, ends this wait.
void Win32EventLoop::WaitForMessages(std::uint32_t ms) {
  MsgWaitForMultipleObjects(0, nullptr, FALSE, ms, QS_ALLINPUT);
}

bool Win32EventLoop::PumpMessages() {
  if (!loops_) return PumpOnce();
  if (loops_->Closing()) return false;
  ModalLoops::Scope loop(*loops_);
  return PumpOnce() && !loops_->Closing();
}

// Dispatches what is queued; false when the quit message came (it is left for the main loop).
bool Win32EventLoop::PumpOnce() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return false;
    }
    if (!preTranslate_ || !preTranslate_(msg)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    if (loops_ && loops_->Closing()) return false;
  }
  return true;
}

}  // namespace sorelka::shell
