// The program's own window messages, at fixed offsets from WM_APP, in one place so that no two
// share a number.
#pragma once
#include <windows.h>

namespace sorelka::shell {

// Posted to the main window when an ending is due; its handler asks LoopRule::Due().
inline constexpr UINT kMsgFinish = WM_APP + 1;
// Sent to the main window: run the unload, if the way out was taken (WayOutTaken).
inline constexpr UINT kMsgWayOut = WM_APP + 2;
// Posted to the window named by AnnounceTo when a change of the layered bit has an outcome.
inline constexpr UINT kMsgStyleOutcome = WM_APP + 3;

}  // namespace sorelka::shell
