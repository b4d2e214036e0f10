#include "frame_container.h"

#include "scoped.h"

namespace sorelka::win32 {

namespace {

void Paint(HWND frame) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(frame, &ps);
  RECT rc;
  GetClientRect(frame, &rc);
  FillRect(dc, &rc, GetSysColorBrush(COLOR_BTNFACE));

  const auto* look = reinterpret_cast<const FrameLook*>(GetWindowLongPtrW(frame, GWLP_USERDATA));
  wchar_t caption[128] = {};
  GetWindowTextW(frame, caption, 128);
  HFONT font = look && look->font ? look->font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  Selection sel(dc, font);
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
    COLORREF colour = look && look->captionColour != CLR_INVALID ? look->captionColour : GetSysColor(COLOR_BTNTEXT);
    SetTextColor(dc, IsWindowEnabled(frame) ? colour : GetSysColor(COLOR_GRAYTEXT));
    TextOutW(dc, 10, 0, caption, len);
  }
  EndPaint(frame, &ps);
}

LRESULT CALLBACK FrameProc(HWND frame, UINT msg, WPARAM wp, LPARAM lp) noexcept {
  switch (msg) {
    case WM_NCCREATE:
      SetWindowLongPtrW(frame, GWLP_USERDATA,
                        reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams));
      break;
    case WM_PAINT: Paint(frame); return 0;
    case WM_ERASEBKGND: return 1;
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
    case DM_GETDEFID:
      return SendMessageW(GetAncestor(frame, GA_ROOT), msg, wp, lp);
    case WM_RBUTTONDOWN:
    case WM_LBUTTONDOWN:
    case WM_MBUTTONDOWN: {
      // The main window handles a press on a bare frame like one on itself.
      HWND root = GetAncestor(frame, GA_ROOT);
      POINT pt{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
      MapWindowPoints(frame, root, &pt, 1);
      return SendMessageW(root, msg, wp, MAKELPARAM(pt.x, pt.y));
    }
    default: break;
  }
  return DefWindowProcW(frame, msg, wp, lp);
}

}  // namespace

void RegisterFrameClass(HINSTANCE instance) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = FrameProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  wc.lpszClassName = kFrameClass;
  RegisterClassExW(&wc);
}

HWND CreateFrame(HWND parent, int id, const wchar_t* caption, const FrameLook* look, RECT px) {
  return CreateWindowExW(WS_EX_CONTROLPARENT, kFrameClass, caption ? caption : L"",
                         WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, px.left, px.top,
                         px.right - px.left, px.bottom - px.top, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr),
                         const_cast<FrameLook*>(look));
}

}  // namespace sorelka::win32
