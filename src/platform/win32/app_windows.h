// The program's windows besides the main window, and the routing of keys and the end of the
// message loop that they share with it.
#pragma once
#include <windows.h>

#include "dialogs/dialogs.h"

namespace sorelka::win32 {

// The tip and version windows behind the main window's menu; made on first use.
Dialogs& AppDialogs();
// Dialog keys for the tip and version windows. True when the message was used.
bool PreTranslateAuxWindows(MSG& msg);

}  // namespace sorelka::win32
