// The main window's keyboard: Tab by the tab indexes, Enter for the default button.
#include "main_window.h"

namespace sorelka::win32 {

bool MainWindow::CanFocus(Ctl c) {
  HWND h = H(c);
  if (!h || !IsWindowEnabled(h) || !IsWindowVisible(h)) return false;
  // Tab enters an option group at its selected button only.
  return Describe(c).kind != Kind::Option || Value(c) != 0;
}

void MainWindow::MoveFocus(bool forward) {
  HWND focus = GetFocus();
  int i = CtlOf(focus);
  const Ctl from = i >= 0 ? static_cast<Ctl>(i) : Ctl::Count;
  const Ctl to = NextInTabOrder(from, forward, [this](Ctl c) { return CanFocus(c); });
  if (to == Ctl::Count || !CanFocus(to)) return;
  HWND h = H(to);
  SetFocus(h);
  if (Describe(to).kind == Kind::TextCentered || Describe(to).kind == Kind::TextMulti) SendMessageW(h, EM_SETSEL, 0, -1);
}

void MainWindow::OnEnter() {
  if (form_.Sending()) return;  // Enter neither cancels a send nor queues another
  HWND focus = GetFocus();
  if (focus == H(Ctl::SkelReset)) {  // a focused push button takes Enter itself
    SendMessageW(hwnd_, WM_COMMAND, MAKEWPARAM(kFirstControlId + static_cast<int>(Ctl::SkelReset), BN_CLICKED),
                 reinterpret_cast<LPARAM>(focus));
    return;
  }
  if (focus == H(Ctl::Message) && (GetKeyState(VK_CONTROL) & 0x8000)) {
    SendMessageW(focus, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"\r\n"));
    return;
  }
  HWND send = H(Ctl::Send);
  if (IsWindowEnabled(send))
    SendMessageW(hwnd_, WM_COMMAND, MAKEWPARAM(kFirstControlId + static_cast<int>(Ctl::Send), BN_CLICKED),
                 reinterpret_cast<LPARAM>(send));
}

bool MainWindow::PreTranslate(MSG& msg) {
  if (!hwnd_ || (msg.hwnd != hwnd_ && !IsChild(hwnd_, msg.hwnd))) return false;
  if (msg.message == WM_KEYDOWN && msg.wParam == VK_TAB && !(GetKeyState(VK_CONTROL) & 0x8000)) {
    MoveFocus(!(GetKeyState(VK_SHIFT) & 0x8000));
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
  return IsDialogMessageW(hwnd_, &msg) != FALSE;
}

}  // namespace sorelka::win32
