// The form port over the main window's real controls.
#include "main_window.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

namespace sorelka::win32 {

int MainWindow::Value(Ctl c) {
  if (Describe(c).kind == Kind::Slider) return static_cast<int>(SendMessageW(H(c), TBM_GETPOS, 0, 0));
  return static_cast<int>(SendMessageW(H(c), BM_GETCHECK, 0, 0));
}

void MainWindow::SetValue(Ctl c, int value) {
  const ControlDesc& desc = Describe(c);
  if (desc.kind == Kind::Slider) {
    SendMessageW(H(c), TBM_SETPOS, TRUE, value);
    return;
  }
  if (desc.kind == Kind::Option && value)
    for (const ControlDesc& other : ControlTable())
      if (other.group == desc.group && other.id != c) SendMessageW(H(other.id), BM_SETCHECK, BST_UNCHECKED, 0);
  SendMessageW(H(c), BM_SETCHECK, static_cast<WPARAM>(value), 0);
}

bool MainWindow::Enabled(Ctl c) { return IsWindowEnabled(H(c)) != FALSE; }

void MainWindow::SetEnabled(Ctl c, bool enabled) {
  HWND h = H(c);
  const bool hadFocus = GetFocus() == h;
  EnableWindow(h, enabled);
  if (!enabled && hadFocus) MoveFocus(true);  // never leave the keyboard on a dead control
}

Text MainWindow::GetText(Ctl c) {
  if (Describe(c).kind == Kind::Slider) return sliderTip_;
  HWND h = H(c);
  int n = GetWindowTextLengthW(h);
  std::u16string s(static_cast<std::size_t>(n) + 1, u'\0');
  n = GetWindowTextW(h, reinterpret_cast<wchar_t*>(s.data()), n + 1);
  s.resize(static_cast<std::size_t>(std::max(n, 0)));
  return s;
}

void MainWindow::SetText(Ctl c, const Text& text) {
  if (Describe(c).kind == Kind::Slider) {
    // The readout the tip shows while the thumb moves (slider_tip.h).
    sliderTip_ = text;
    tip_.SetText(reinterpret_cast<const wchar_t*>(text.c_str()));
    return;
  }
  // The readout rewrites its label every 100 ms: an unchanged text needs no repaint.
  if (GetText(c) != text) SetWindowTextW(H(c), W(text));
}

bool MainWindow::Visible(Ctl c) { return (GetWindowLongW(H(c), GWL_STYLE) & WS_VISIBLE) != 0; }

void MainWindow::SetVisible(Ctl c, bool visible) { ShowWindow(H(c), visible ? SW_SHOWNA : SW_HIDE); }

TwipRect MainWindow::Bounds(Ctl c) { return bounds_[static_cast<int>(c)]; }

void MainWindow::Move(Ctl c, const TwipRect& r) {
  bounds_[static_cast<int>(c)] = r;
  SetWindowPos(H(c), nullptr, Px(r.left), Px(r.top), Px(r.width), Px(r.height),
               SWP_NOZORDER | SWP_NOACTIVATE);
}

int MainWindow::ScaleWidth() {
  RECT rc;
  GetClientRect(hwnd_, &rc);
  return MulDiv(rc.right, 1440, dpi_);
}

void MainWindow::SetPanelText(int panel, const Text& text) {
  SendMessageW(H(Ctl::Status), SB_SETTEXTW, static_cast<WPARAM>(panel - 1), reinterpret_cast<LPARAM>(W(text)));
}

Text MainWindow::PanelText(int panel) {
  HWND bar = H(Ctl::Status);
  int n = LOWORD(SendMessageW(bar, SB_GETTEXTLENGTHW, static_cast<WPARAM>(panel - 1), 0));
  std::u16string s(static_cast<std::size_t>(n) + 1, u'\0');
  SendMessageW(bar, SB_GETTEXTW, static_cast<WPARAM>(panel - 1), reinterpret_cast<LPARAM>(s.data()));
  s.resize(static_cast<std::size_t>(n));
  return s;
}

void MainWindow::SetPanelIcon(int panel, int icon) {
  if (icon < 0 || icon > 2) return;
  SendMessageW(H(Ctl::Status), SB_SETICON, static_cast<WPARAM>(panel - 1),
               reinterpret_cast<LPARAM>(statusIcons_[icon].get()));
}

bool MainWindow::MenuChecked(Menu m) {
  return (GetMenuState(menuBar_, kFirstMenuId + static_cast<int>(m), MF_BYCOMMAND) & MF_CHECKED) != 0;
}

void MainWindow::SetMenuChecked(Menu m, bool checked) {
  CheckMenuItem(menuBar_, kFirstMenuId + static_cast<int>(m), MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

void MainWindow::PopupMenu(Menu m) {
  HMENU popup = menuHandles_[static_cast<int>(m)];
  if (!popup) return;
  POINT pt;
  GetCursorPos(&pt);
  // Every flag bit of the classic call: tracks the right button too, centre and right aligned.
  UINT flags = TPM_RIGHTBUTTON | TPM_CENTERALIGN | TPM_RIGHTALIGN | TPM_RETURNCMD;
  int cmd = TrackPopupMenu(popup, flags, pt.x, pt.y, 0, hwnd_, nullptr);
  if (cmd) OnCommand(static_cast<WPARAM>(cmd), 0);
}

int MainWindow::MessageBox(const Text& text, const Text* title, unsigned flags) {
  return ::MessageBoxW(hwnd_, W(text), title ? W(*title) : W(kAppTitle), flags);
}

int MainWindow::MessageLineCount() {
  return static_cast<int>(SendMessageA(H(Ctl::Message), EM_GETLINECOUNT, 0, 0));
}

Ansi MainWindow::MessageLineA(int index) {
  HWND edit = H(Ctl::Message);
  const LRESULT start = SendMessageW(edit, EM_LINEINDEX, static_cast<WPARAM>(index), 0);
  if (start < 0) return Ansi();
  const LRESULT units = SendMessageW(edit, EM_LINELENGTH, static_cast<WPARAM>(start), 0);
  // Room for every unit as two bytes, and never less than the classic 1000-byte line buffer.
  const std::size_t capacity = std::max<std::size_t>(1000, static_cast<std::size_t>(units) * 2 + 2);
  if (capacity <= 0xFFFF) {
    std::vector<char> buf(capacity + 2, '\0');
    *reinterpret_cast<WORD*>(buf.data()) = static_cast<WORD>(capacity);
    LRESULT got = SendMessageA(edit, EM_GETLINE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buf.data()));
    return Ansi(buf.data(), static_cast<std::size_t>(std::max<LRESULT>(got, 0)));
  }
  // The line interface counts its buffer in 16 bits: take a longer line from the whole text.
  Text all = GetText(Ctl::Message);
  return desktop_.ToAnsi(TextView(all).substr(static_cast<std::size_t>(start), static_cast<std::size_t>(units)));
}

}  // namespace sorelka::win32
