// The program's entry.
#include <windows.h>

#include "app.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand) {
  static sorelka::win32::App app;  // lives as long as the process: "終了" ends it from inside
  return app.Run(showCommand);
}
