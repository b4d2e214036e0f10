// The last-chance fault filter and the terminate handler: both take the one way out
// (app/way_out.h). They refer to nothing of the program's objects, only to the main window,
// whose thread runs the unload when asked with kMsgWayOut.
#pragma once
#include <windows.h>
#include "shell_namespace.h"

#include "app_messages.h"

namespace sorelka::shell {

// How long a thread that faulted waits for the window's thread to run the unload; past it the
// records stay for the next start.
inline constexpr UINT kWayOutAskMs = 3000;

// Sets the filter and the terminate handler.
void InstallWayOut();
// The main window, from its own thread once it is made; null once it is gone.
void SetWayOutWindow(HWND mainWindow);
bool WayOutTaken();

}  // namespace sorelka::shell
