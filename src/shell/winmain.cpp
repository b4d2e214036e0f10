// The program's entry.
#include <windows.h>

#include "app.h"
#include "way_out.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand) {
  // A fault or std::terminate on any thread undoes the translucency through the window's thread.
  sorelka::shell::InstallWayOut();
  static sorelka::shell::App app;  // lives as long as the process: "終了" ends it from inside
  return app.Run(showCommand);
}
