#include "way_out.h"
#include "shell_namespace.h"

#include <atomic>
#include <cstdlib>
#include <exception>

#include "app/way_out.h"

namespace sorelka::shell {

namespace {

WayOut g_wayOut;
std::atomic<HWND> g_window{nullptr};
std::atomic<DWORD> g_windowThread{0};

void TakeWayOut() {
  HWND window = g_window.load();
  switch (g_wayOut.Take(GetCurrentThreadId() == g_windowThread.load(), window != nullptr)) {
    case WayOut::Step::RunHere: SendMessageW(window, kMsgWayOut, 0, 0); break;  // a direct call
    case WayOut::Step::AskWindowThread: {
      // A thread that does not answer (or the worker, held by a window) leaves the records to
      // the next start.
      DWORD_PTR result = 0;
      SendMessageTimeoutW(window, kMsgWayOut, 0, 0, SMTO_ABORTIFHUNG, kWayOutAskMs, &result);
      break;
    }
    case WayOut::Step::None: break;
  }
}

// Then the system reports the fault as usual.
LONG WINAPI OnUnhandledFault(EXCEPTION_POINTERS*) {
  TakeWayOut();
  return EXCEPTION_CONTINUE_SEARCH;
}

// A C++ exception that reaches a noexcept window procedure ends here.
[[noreturn]] void OnTerminate() {
  TakeWayOut();
  std::abort();
}

}  // namespace

void InstallWayOut() {
  SetUnhandledExceptionFilter(OnUnhandledFault);
  std::set_terminate(OnTerminate);
}

void SetWayOutWindow(HWND mainWindow) {
  g_windowThread = mainWindow ? GetCurrentThreadId() : 0;
  g_window = mainWindow;
}

bool WayOutTaken() { return g_wayOut.Taken(); }

}  // namespace sorelka::shell
