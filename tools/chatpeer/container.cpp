#include "container.h"

bool Container::RegisterClassOnce(const wchar_t* name, int background) {
  HINSTANCE inst = GetModuleHandleW(nullptr);
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  if (GetClassInfoExW(inst, name, &wc)) return true;
  wc = WNDCLASSEXW{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = Procedure();
  wc.hInstance = inst;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(background));
  wc.lpszClassName = name;
  return RegisterClassExW(&wc) != 0;
}

HWND Container::Create(const wchar_t* className, const std::wstring& title, HWND parent,
                       const RECT& rc, DWORD exStyle) {
  topLevel_ = parent == nullptr;
  const DWORD style =
      topLevel_ ? WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN : WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN;
  CreateWindowExW(exStyle, className, title.c_str(), style, rc.left, rc.top, rc.right - rc.left,
                  rc.bottom - rc.top, parent, nullptr, GetModuleHandleW(nullptr), this);
  if (hwnd() && topLevel_) ctx_.FrameOpened();
  return hwnd();
}

LRESULT Container::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_IME_CHAR:
    case WM_CHAR:
    case WM_COMMAND: {
      // Nothing here takes input; the log shows when some was sent to the wrong window.
      const char* name = msg == WM_IME_CHAR ? "WM_IME_CHAR"
                         : msg == WM_CHAR   ? "WM_CHAR"
                                            : "WM_COMMAND";
      ctx_.log.Write(JsonLine(role_, name)
                         .Index(index_)
                         .Window(hwnd())
                         .Hex("wParam", wParam)
                         .Hex("lParam", lParam));
      return 0;
    }
    case WM_SIZE:
      FitChild();
      return 0;
    case WM_PARENTNOTIFY:
      // A child created after the first WM_SIZE still has to be fitted.
      if (LOWORD(wParam) == WM_CREATE) FitChild();
      break;
    case WM_PAINT:
      Paint();
      return 0;
    case WM_STYLECHANGING:
      if (topLevel_) ctx_.StyleChanging(wParam);
      break;
    case WM_DESTROY:
      if (topLevel_) ctx_.FrameClosed();
      break;
  }
  return Default(msg, wParam, lParam);
}

void Container::FitChild() {
  HWND child = GetWindow(hwnd(), GW_CHILD);
  if (!child) return;
  RECT rc;
  GetClientRect(hwnd(), &rc);
  MoveWindow(child, 0, band_, rc.right, rc.bottom > band_ ? rc.bottom - band_ : 0, TRUE);
}

void Container::Paint() {
  sorelka::win32::PaintScope paint(hwnd());
  HDC dc = paint.dc();
  RECT rc;
  GetClientRect(hwnd(), &rc);
  sorelka::win32::Selection font(dc, ctx_.UiFont());
  SetBkMode(dc, TRANSPARENT);
  if (band_ > 0) {
    RECT band{4, 0, rc.right - 4, band_};
    DrawTextW(dc, bandText_.c_str(), -1, &band, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
  }
  if (!pageText_.empty()) {
    RECT page{16, band_ + 16, rc.right - 16, rc.bottom - 16};
    DrawTextW(dc, pageText_.c_str(), -1, &page, DT_WORDBREAK);
  }
}
