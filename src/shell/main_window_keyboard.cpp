// The main window's Enter: the focused push button, a line break in the message box with Ctrl,
// else the default button. Tab and Esc are in the constructor's keys.
#include "main_window.h"
#include "shell_namespace.h"

#include "win32_kinds.h"

namespace sorelka::shell {

void MainWindow::OnEnter() {
  if (form_.Sending()) return;  // Enter neither cancels a send nor queues another
  const Ctl focus = w_.CtlOf(GetFocus());
  if (focus != Ctl::Count) {
    const Kind kind = Describe(focus).kind;
    if (FactsOf(kind).takesEnter) {  // a focused push button takes Enter itself
      SendMessageW(hwnd(), WM_COMMAND, MAKEWPARAM(ControlId(focus), BN_CLICKED), reinterpret_cast<LPARAM>(w_.H(focus)));
      return;
    }
    // A multi-line box leaves Enter to the default button; Ctrl+Enter breaks its line.
    if ((Win32KindOf(kind).style & ES_MULTILINE) && FactsOf(kind).isEdit && (GetKeyState(VK_CONTROL) & 0x8000)) {
      SendMessageW(w_.H(focus), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"\r\n"));
      return;
    }
  }
  const Ctl def = DefaultButton();
  if (def != Ctl::Count && IsWindowEnabled(w_.H(def)))
    SendMessageW(hwnd(), WM_COMMAND, MAKEWPARAM(ControlId(def), BN_CLICKED), reinterpret_cast<LPARAM>(w_.H(def)));
}

}  // namespace sorelka::shell
