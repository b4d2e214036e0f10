// The window-alpha layer of the desktop port: layered windows of any program, through the
// layered-window functions loaded at run time.
#include "desktop_win32.h"
#include "win32/dynamic_api.h"

namespace sorelka::win32 {

Desktop::Layering Win32Desktop::ReadLayering(Hwnd w) {
  Layering l;
  const HWND h = ToHwnd(w);
  if (!::IsWindow(h)) return l;
  l.layered = (GetWindowLongW(h, GWL_EXSTYLE) & WS_EX_LAYERED) != 0;
  if (!l.layered) {
    l.known = true;
    return l;
  }
  // Windows 2000 cannot say; a window drawn with UpdateLayeredWindow makes the call fail.
  const GetLayeredFn get = GetLayeredWindowAttributesFn();
  COLORREF key = 0;
  BYTE alpha = 255;
  DWORD flags = 0;
  if (!get || !get(h, &key, &alpha, &flags)) return l;
  l.known = true;
  l.colorKey = key;
  l.alpha = alpha;
  l.flags = flags;
  return l;
}

bool Win32Desktop::SetWindowAlpha(Hwnd w, std::uint8_t alpha) {
  const SetLayeredFn set = SetLayeredWindowAttributesFn();
  const HWND h = ToHwnd(w);
  if (!set || !::IsWindow(h)) return false;
  const LONG ex = GetWindowLongW(h, GWL_EXSTYLE);
  if (!(ex & WS_EX_LAYERED)) SetWindowLongW(h, GWL_EXSTYLE, ex | WS_EX_LAYERED);
  return set(h, 0, alpha, LWA_ALPHA) != FALSE;
}

void Win32Desktop::ResetWindowAlpha(Hwnd w, const Layering& before) {
  const HWND h = ToHwnd(w);
  if (!::IsWindow(h)) return;
  const LONG ex = GetWindowLongW(h, GWL_EXSTYLE);
  if (before.layered) {
    if (!(ex & WS_EX_LAYERED)) SetWindowLongW(h, GWL_EXSTYLE, ex | WS_EX_LAYERED);
    if (const SetLayeredFn set = SetLayeredWindowAttributesFn())
      set(h, before.colorKey, before.alpha, before.flags);
  } else if (ex & WS_EX_LAYERED) {
    SetWindowLongW(h, GWL_EXSTYLE, ex & ~WS_EX_LAYERED);
    // Without the layer the window must paint itself again, frame and children included.
    RedrawWindow(h, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
  }
}

std::uint32_t Win32Desktop::WindowProcess(Hwnd w) {
  DWORD pid = 0;
  if (!GetWindowThreadProcessId(ToHwnd(w), &pid)) return 0;
  return pid;
}

}  // namespace sorelka::win32
