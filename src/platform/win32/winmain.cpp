// The program's entry: the main window and its message loop.
#include <windows.h>
#include <commctrl.h>

#include "main_window.h"

namespace {

sorelka::win32::MainWindow* g_window = nullptr;
LONG g_faultHandled = 0;

// The last chance before a fault ends the process: other programs' windows that were made
// translucent must not stay so. Then the system reports the fault as usual.
LONG WINAPI OnUnhandledFault(EXCEPTION_POINTERS*) {
  if (g_window && InterlockedExchange(&g_faultHandled, 1) == 0) g_window->ResetTranslucency();
  return EXCEPTION_CONTINUE_SEARCH;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_BAR_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&icc);

  sorelka::win32::MainWindow::RegisterClass(instance);
  static sorelka::win32::MainWindow window;  // lives as long as the process
  if (!window.Create(instance)) return 1;
  g_window = &window;
  SetUnhandledExceptionFilter(OnUnhandledFault);
  window.Show(showCommand);

  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (window.PreTranslate(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}
