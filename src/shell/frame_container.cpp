#include "frame_container.h"
#include "shell_namespace.h"

#include "win32/handles.h"

namespace sorelka::shell {

LRESULT FrameContainer::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_PAINT: OnPaint(); return 0;
    case WM_ERASEBKGND: return 1;
    // The caption's font, changed with the resolution like every control's.
    case WM_SETFONT: OnSetFont(reinterpret_cast<HFONT>(wp), LOWORD(lp) != 0); return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(font_);
    // Handlers live in the main window: pass its children's notifications up.
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_DRAWITEM:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
    case DM_GETDEFID: return ToRoot(msg, wp, lp);
    // The main window handles a press on a bare frame like one on itself.
    case WM_RBUTTONDOWN:
    case WM_LBUTTONDOWN:
    case WM_MBUTTONDOWN: return MouseToRoot(msg, wp, lp);
    default: return Default(msg, wp, lp);
  }
}

void FrameContainer::OnSetFont(HFONT font, bool redraw) {
  font_ = font;
  if (redraw) InvalidateRect(hwnd(), nullptr, TRUE);
}

LRESULT FrameContainer::ToRoot(UINT msg, WPARAM wp, LPARAM lp) {
  return SendMessageW(GetAncestor(hwnd(), GA_ROOT), msg, wp, lp);
}

LRESULT FrameContainer::MouseToRoot(UINT msg, WPARAM wp, LPARAM lp) {
  HWND root = GetAncestor(hwnd(), GA_ROOT);
  POINT pt{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
  MapWindowPoints(hwnd(), root, &pt, 1);
  return SendMessageW(root, msg, wp, MAKELPARAM(pt.x, pt.y));
}

void FrameContainer::OnPaint() {
  PaintScope paint(hwnd());
  HDC dc = paint.dc();
  RECT rc;
  GetClientRect(hwnd(), &rc);
  FillRect(dc, &rc, GetSysColorBrush(COLOR_BTNFACE));

  wchar_t caption[128] = {};
  GetWindowTextW(hwnd(), caption, 128);
  Selection sel(dc, font_ ? font_ : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
  TEXTMETRICW tm{};
  GetTextMetricsW(dc, &tm);

  // The border runs through the middle of the caption line, as a group box's does.
  RECT border = rc;
  if (caption[0]) border.top += tm.tmHeight / 2;
  DrawEdge(dc, &border, EDGE_ETCHED, BF_RECT);
  if (caption[0]) {
    SIZE size{};
    int len = lstrlenW(caption);
    GetTextExtentPoint32W(dc, caption, len, &size);
    RECT text{8, 0, 8 + size.cx + 4, tm.tmHeight};
    FillRect(dc, &text, GetSysColorBrush(COLOR_BTNFACE));
    SetBkMode(dc, TRANSPARENT);
    COLORREF colour = captionColour_ != CLR_INVALID ? captionColour_ : GetSysColor(COLOR_BTNTEXT);
    SetTextColor(dc, IsWindowEnabled(hwnd()) ? colour : GetSysColor(COLOR_GRAYTEXT));
    TextOutW(dc, 10, 0, caption, len);
  }
}

}  // namespace sorelka::shell
