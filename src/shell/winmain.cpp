// The program's entry.
#include <windows.h>

#include "app.h"

namespace {

sorelka::win32::App* g_app = nullptr;
LONG g_faultHandled = 0;

// The last chance before a fault ends the process: other programs' windows that were made
// translucent must not stay so. Then the system reports the fault as usual.
LONG WINAPI OnUnhandledFault(EXCEPTION_POINTERS*) {
  if (g_app && InterlockedExchange(&g_faultHandled, 1) == 0) g_app->ResetTranslucency();
  return EXCEPTION_CONTINUE_SEARCH;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand) {
  static sorelka::win32::App app;  // lives as long as the process: "終了" ends it from inside
  g_app = &app;
  SetUnhandledExceptionFilter(OnUnhandledFault);
  return app.Run(showCommand);
}
