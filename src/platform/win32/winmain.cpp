// The program's entry: the main window and its message loop.
#include <windows.h>
#include <commctrl.h>

#include "app_windows.h"
#include "main_window.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_BAR_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&icc);

  sorelka::win32::MainWindow::RegisterClass(instance);
  static sorelka::win32::MainWindow window;  // lives as long as the process
  static sorelka::win32::Win32Desktop desktop;
  static sorelka::win32::AuxWindows auxWindows{desktop};  // may outlive the main window
  window.AttachDialogs(auxWindows.dialogs());
  if (!window.Create(instance)) return 1;
  window.Show(showCommand);

  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (window.PreTranslate(msg) || auxWindows.PreTranslate(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}
