// The resolution of the program's windows, driven from outside: Wine keeps one DPI per prefix
// and never sends WM_DPICHANGED, so the test sends it.
#pragma once
#include "commands.h"

namespace e2e {

// dpi-changed DPI LEFT TOP RIGHT BOTTOM: WM_DPICHANGED sent to the target window from its own
// thread, as the system sends it (dpi_hook.dll, hooked into the program), with the suggested
// rectangle in the program's memory; dpi-changed DPI --lparam VALUE: sent from this process,
// with that lParam (0, or an address that means nothing there).
int DpiChanged(const Target& t, const Args& a);
// glyphs ID: in a text box, the width of "WWWW" and the height of a line (0 in a
// single-line box), in pixels.
int Glyphs(const Target& t, const Args& a);

}  // namespace e2e
