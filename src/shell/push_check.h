// A check box drawn as a push button that stays pressed while ticked, with a coloured caption.
// Themed and classic push buttons ignore text colours, so this one draws itself; it still
// answers BM_GETCHECK / BM_SETCHECK like any check box (also to other processes).
#pragma once
#include <windows.h>
#include "shell_namespace.h"

namespace sorelka::shell {

// Makes an owner-drawn button behave as a push-like check box; false when it cannot be hooked.
[[nodiscard]] bool MakePushCheck(HWND button);
// Draws it, from the main window's WM_DRAWITEM.
void DrawPushCheck(const DRAWITEMSTRUCT& item, COLORREF textColour, HFONT font);

}  // namespace sorelka::shell
