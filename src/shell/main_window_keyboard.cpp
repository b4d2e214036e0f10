// The main window's keyboard: Tab by the tab indexes, Enter for the default button.
#include "main_window.h"

#include "win32_kinds.h"

namespace sorelka::win32 {

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

bool MainWindow::PreTranslate(MSG& msg) {
  if (!hwnd() || (msg.hwnd != hwnd() && !IsChild(hwnd(), msg.hwnd))) return false;
  if (msg.message == WM_KEYDOWN && msg.wParam == VK_TAB && !(GetKeyState(VK_CONTROL) & 0x8000)) {
    port_.MoveFocus(!(GetKeyState(VK_SHIFT) & 0x8000));
    return true;
  }
  if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE && form_.Sending()) {
    form_.EscapePressed();
    return true;
  }
  if (msg.message == WM_KEYDOWN && msg.wParam == VK_RETURN) {
    OnEnter();
    return true;
  }
  // Swallow the characters of the keys handled above.
  if (msg.message == WM_CHAR && (msg.wParam == L'\t' || msg.wParam == L'\r' || msg.wParam == L'\n')) return true;
  return IsDialogMessageW(hwnd(), &msg) != FALSE;
}

}  // namespace sorelka::win32
