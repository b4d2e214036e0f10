#include "picture_box.h"
#include "shell_namespace.h"

#include "win32/handles.h"

namespace sorelka::shell {

LRESULT PictureBox::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_ERASEBKGND: return OnEraseBackground(reinterpret_cast<HDC>(wp));
    case WM_PAINT: OnPaint(); return 0;
    case WM_CTLCOLORSTATIC:
    case WM_COMMAND:
    case WM_NOTIFY: return SendMessageW(GetParent(hwnd()), msg, wp, lp);
    default: return Default(msg, wp, lp);
  }
}

LRESULT PictureBox::OnEraseBackground(HDC dc) {
  RECT rc;
  GetClientRect(hwnd(), &rc);
  FillRect(dc, &rc, background_ ? background_ : GetSysColorBrush(COLOR_BTNFACE));
  return TRUE;
}

void PictureBox::OnPaint() {
  PaintScope paint(hwnd());
  if (icon_) DrawIconEx(paint.dc(), 0, 0, icon_, 32, 32, 0, nullptr, DI_NORMAL);
}

}  // namespace sorelka::shell
