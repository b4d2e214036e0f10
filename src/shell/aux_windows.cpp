#include "aux_windows.h"
#include "shell_namespace.h"


namespace sorelka::shell {

AuxWindows::AuxWindows(Desktop& desktop, MainForm& form, FormPort& main, TopLevelWindows& live)
    : tip_(live), about_(live), dialogs_(tip_, about_, desktop, main), form_(form), main_(main) {
  tip_.onOk = [this] { HandBack(tip_.hwnd()); dialogs_.Tip().OkClick(); };
  about_.onOk = [this] { HandBack(about_.hwnd()); dialogs_.About().OkClick(); };
  tip_.onActivated = about_.onActivated = [this] { form_.AuxWindowActivated(); };
}

// A window closing in front gives the front away first, so the system picks none of its own.
void AuxWindows::HandBack(HWND closing) {
  if (!closing || GetForegroundWindow() != closing) return;
  HWND to = ToHwnd(form_.AuxWindowHandBack());
  if (!to || !IsWindowVisible(to)) to = ToHwnd(main_.WindowHandle());
  if (!to || !IsWindow(to) || !IsWindowVisible(to)) return;  // no main window: the system picks
  // A window held disabled by a modal box (the main window's message box): the box.
  if (HWND popup = GetLastActivePopup(to); !IsWindowEnabled(to) && popup && IsWindowEnabled(popup)) to = popup;
  SetForegroundWindow(to);
}

}  // namespace sorelka::shell
