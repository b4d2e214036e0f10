#include "push_check.h"
#include "shell_namespace.h"

#include "win32/handles.h"
#include "win32/subclass.h"

namespace sorelka::shell {

namespace {
constexpr wchar_t kState[] = L"SorelkaPushCheck.State";

LRESULT PushCheckHook(void*, HWND w, UINT msg, WPARAM wp, LPARAM lp, WNDPROC own) noexcept {
  switch (msg) {
    // The property is data any program may write: read as checked or not, never as more.
    case BM_GETCHECK: return GetPropW(w, kState) == reinterpret_cast<HANDLE>(BST_CHECKED) ? BST_CHECKED : BST_UNCHECKED;
    case BM_SETCHECK:
      SetPropW(w, kState, reinterpret_cast<HANDLE>(wp == BST_CHECKED ? BST_CHECKED : BST_UNCHECKED));
      InvalidateRect(w, nullptr, FALSE);
      return 0;
    // A second quick click is a click too: without this the owner-drawn button reports it
    // as BN_DOUBLECLICKED and neither shows it pressed nor reports BN_CLICKED.
    case WM_LBUTTONDBLCLK: return Subclass::CallOwn(own, w, WM_LBUTTONDOWN, wp, lp);
    case WM_NCDESTROY: RemovePropW(w, kState); break;
    default: break;
  }
  return Subclass::CallOwn(own, w, msg, wp, lp);
}
}  // namespace

bool MakePushCheck(HWND button) {
  SetPropW(button, kState, reinterpret_cast<HANDLE>(BST_UNCHECKED));
  return Subclass::Attach(button, PushCheckHook, nullptr);
}

void DrawPushCheck(const DRAWITEMSTRUCT& item, COLORREF textColour, HFONT font) {
  HDC dc = item.hDC;
  RECT rc = item.rcItem;
  bool checked = SendMessageW(item.hwndItem, BM_GETCHECK, 0, 0) == BST_CHECKED;
  bool pressed = checked || (item.itemState & ODS_SELECTED);
  bool disabled = item.itemState & ODS_DISABLED;
  UINT state = DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0) | (disabled ? DFCS_INACTIVE : 0);
  DrawFrameControl(dc, &rc, DFC_BUTTON, state);
  if (checked) {
    // A latched button shows a checkered face, as classic toolbar buttons do.
    static const WORD kChecker[8] = {0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA};
    ScopedBitmap pattern(CreateBitmap(8, 8, 1, 1, kChecker));
    ScopedBrush brush(CreatePatternBrush(pattern.get()));
    RECT face = rc;
    InflateRect(&face, -2, -2);
    COLORREF oldText = SetTextColor(dc, GetSysColor(COLOR_BTNFACE));
    COLORREF oldBk = SetBkColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
    FillRect(dc, &face, brush.get());
    SetTextColor(dc, oldText);
    SetBkColor(dc, oldBk);
  }

  wchar_t text[128] = {};
  GetWindowTextW(item.hwndItem, text, 128);
  Selection sel(dc, font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, disabled ? GetSysColor(COLOR_GRAYTEXT) : textColour);
  RECT textRc = rc;
  if (pressed) OffsetRect(&textRc, 1, 1);  // a pressed face shifts its caption
  DrawTextW(dc, text, -1, &textRc, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  if (item.itemState & ODS_FOCUS) {
    RECT focus = rc;
    InflateRect(&focus, -4, -4);
    DrawFocusRect(dc, &focus);
  }
}

}  // namespace sorelka::shell
