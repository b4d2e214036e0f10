// Keeping a window above all others, or taking it out of that band.
#pragma once
#include "platform/desktop.h"
#include "platform/form_port.h"

namespace sorelka {

// A window of the program goes into the topmost band (release false) or leaves it.
inline void SetTopMost(Desktop& desktop, Hwnd window, bool release) { desktop.SetTopMost(window, release); }

// The ActivatCheck click: the main window follows the check's tick.
inline void ApplyAlwaysOnTop(FormPort& form, Desktop& desktop) {
  SetTopMost(desktop, form.WindowHandle(), form.Value(Ctl::ActivatCheck) == 0);
}

}  // namespace sorelka
