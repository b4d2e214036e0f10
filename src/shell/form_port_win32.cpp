#include "form_port_win32.h"
#include "shell_namespace.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

#include "win32/wide.h"

namespace sorelka::shell {

int Win32Form::Value(Ctl c) {
  if (Describe(c).kind == Kind::Slider) return static_cast<int>(SendMessageW(H(c), TBM_GETPOS, 0, 0));
  return static_cast<int>(SendMessageW(H(c), BM_GETCHECK, 0, 0));
}

void Win32Form::SetValue(Ctl c, int value) {
  const ControlRow<Ctl>& desc = Describe(c);
  if (desc.kind == Kind::Slider) {
    SendMessageW(H(c), TBM_SETPOS, TRUE, value);
    return;
  }
  if (desc.kind == Kind::Option && value)
    for (const ControlRow<Ctl>& other : ControlTable())
      if (other.group == desc.group && other.id != c) SendMessageW(H(other.id), BM_SETCHECK, BST_UNCHECKED, 0);
  SendMessageW(H(c), BM_SETCHECK, static_cast<WPARAM>(value), 0);
}

bool Win32Form::Enabled(Ctl c) { return IsWindowEnabled(H(c)) != FALSE; }

void Win32Form::SetEnabled(Ctl c, bool enabled) {
  HWND h = H(c);
  const bool hadFocus = GetFocus() == h;
  EnableWindow(h, enabled);
  if (!enabled && hadFocus) MoveFocus(true);  // never leave the keyboard on a dead control
}

bool Win32Form::CanFocus(Ctl c) {
  HWND h = H(c);
  if (!h || !IsWindowEnabled(h) || !IsWindowVisible(h)) return false;
  // Tab enters an option group at its selected button only.
  return Describe(c).group == 0 || Value(c) != 0;
}

void Win32Form::FocusControl(Ctl c) {
  HWND h = H(c);
  SetFocus(h);
  if (FactsOf(Describe(c).kind).isEdit) SendMessageW(h, EM_SETSEL, 0, -1);
}

void Win32Form::MoveFocus(bool forward) {
  const Ctl from = w_.CtlOf(GetFocus());
  const Ctl to = NextInTabOrder(from, forward, [this](Ctl c) { return CanFocus(c); });
  if (to != Ctl::Count && CanFocus(to)) FocusControl(to);
}

void Win32Form::RestoreFocus(HWND saved) {
  const Ctl had = w_.CtlOf(saved);
  if (had != Ctl::Count && CanFocus(had)) {
    SetFocus(saved);
    return;
  }
  // The control is gone from reach (disabled while another window was in front, say).
  const Ctl to = FocusFallback(*this);
  if (to != Ctl::Count)
    SetFocus(H(to));
  else if (w_.main)
    SetFocus(w_.main);
}

Text Win32Form::GetText(Ctl c) {
  if (Describe(c).kind == Kind::Slider) return sliderTip_;
  HWND h = H(c);
  int n = GetWindowTextLengthW(h);
  std::u16string s(static_cast<std::size_t>(n) + 1, u'\0');
  n = GetWindowTextW(h, reinterpret_cast<wchar_t*>(s.data()), n + 1);
  s.resize(static_cast<std::size_t>(std::max(n, 0)));
  return s;
}

void Win32Form::SetReadOnly(Ctl c, bool readOnly) { SendMessageW(H(c), EM_SETREADONLY, readOnly, 0); }

void Win32Form::SetText(Ctl c, const Text& text) {
  if (Describe(c).kind == Kind::Slider) {
    sliderTip_ = text;  // the readout the tip shows while the thumb moves
    return;
  }
  // The readout rewrites its label every 100 ms: an unchanged text needs no repaint.
  if (GetText(c) != text) SetWindowTextW(H(c), W(text));
}

bool Win32Form::Visible(Ctl c) { return (GetWindowLongW(H(c), GWL_STYLE) & WS_VISIBLE) != 0; }

void Win32Form::SetVisible(Ctl c, bool visible) { ShowWindow(H(c), visible ? SW_SHOWNA : SW_HIDE); }

TwipRect Win32Form::Bounds(Ctl c) { return w_.bounds[static_cast<int>(c)]; }

void Win32Form::Move(Ctl c, const TwipRect& r) {
  w_.bounds[static_cast<int>(c)] = r;
  const PixelRect at = TwipsToPixels(r, res_.Dpi());
  SetWindowPos(H(c), nullptr, at.left, at.top, at.width, at.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

int Win32Form::ScaleWidth() {
  RECT rc{};
  GetClientRect(w_.main, &rc);
  return MulDiv(rc.right, 1440, res_.Dpi());
}

void Win32Form::SetPanelText(int panel, const Text& text) {
  SendMessageW(H(Ctl::Status), SB_SETTEXTW, static_cast<WPARAM>(panel - 1), reinterpret_cast<LPARAM>(W(text)));
}

Text Win32Form::PanelText(int panel) {
  HWND bar = H(Ctl::Status);
  int n = LOWORD(SendMessageW(bar, SB_GETTEXTLENGTHW, static_cast<WPARAM>(panel - 1), 0));
  std::u16string s(static_cast<std::size_t>(n) + 1, u'\0');
  SendMessageW(bar, SB_GETTEXTW, static_cast<WPARAM>(panel - 1), reinterpret_cast<LPARAM>(s.data()));
  s.resize(static_cast<std::size_t>(n));
  return s;
}

void Win32Form::SetPanelIcon(int panel, int icon) {
  HICON picture = res_.StatusIcon(icon);
  if (!picture) return;
  SendMessageW(H(Ctl::Status), SB_SETICON, static_cast<WPARAM>(panel - 1), reinterpret_cast<LPARAM>(picture));
}

bool Win32Form::MenuChecked(Menu m) {
  return (GetMenuState(w_.menuBar, MenuId(m), MF_BYCOMMAND) & MF_CHECKED) != 0;
}

void Win32Form::SetMenuChecked(Menu m, bool checked) {
  CheckMenuItem(w_.menuBar, MenuId(m), MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

void Win32Form::PopupMenu(Menu m) {
  HMENU popup = w_.popups[static_cast<int>(m)];
  if (!popup || !w_.main || loops_.Closing()) return;
  POINT pt;
  GetCursorPos(&pt);
  // Every flag bit of the classic call: tracks the right button too, centre and right aligned.
  UINT flags = TPM_RIGHTBUTTON | TPM_CENTERALIGN | TPM_RIGHTALIGN | TPM_RETURNCMD;
  int cmd = 0;
  {
    ModalLoops::Scope loop(loops_);
    cmd = TrackPopupMenu(popup, flags, pt.x, pt.y, 0, w_.main, nullptr);
  }
  // The chosen item's handler runs before the popup call returns, as the classic one did.
  if (cmd && w_.main && !loops_.Closing()) SendMessageW(w_.main, WM_COMMAND, static_cast<WPARAM>(cmd), 0);
}

int Win32Form::MessageBox(const Text& text, const Text* title, unsigned flags) {
  // While the program is closing no box opens: the answer is the one that does nothing.
  if (loops_.Closing() || !w_.main) return (flags & MB_TYPEMASK) == MB_YESNO ? IDNO : IDOK;
  ModalLoops::Scope loop(loops_);
  return ::MessageBoxW(w_.main, W(text), title ? W(*title) : W(kAppTitle), flags);
}

Text Win32Form::MessageText() {
  HWND edit = H(Ctl::Message);
  const LRESULT units = SendMessageW(edit, WM_GETTEXTLENGTH, 0, 0);
  Text text(static_cast<std::size_t>(std::max<LRESULT>(units, 0)) + 1, u'\0');
  const LRESULT got = SendMessageW(edit, WM_GETTEXT, static_cast<WPARAM>(text.size()),
                                   reinterpret_cast<LPARAM>(text.data()));
  text.resize(std::min(text.size() - 1, static_cast<std::size_t>(std::max<LRESULT>(got, 0))));
  return text;
}

}  // namespace sorelka::shell
