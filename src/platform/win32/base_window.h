// One window base for every window of the program: registers the class once, attaches the
// object to its window and hands each message to Derived::HandleMessage.
#pragma once
#include <windows.h>

namespace sorelka::win32 {

template <typename Derived>
class BaseWindow {
 public:
  HWND hwnd() const { return hwnd_; }

 protected:
  BaseWindow() = default;
  ~BaseWindow() = default;
  BaseWindow(const BaseWindow&) = delete;
  BaseWindow& operator=(const BaseWindow&) = delete;

  // Registers Derived's class once (name Derived::kClassName; Derived may define
  // static void FillClass(WNDCLASSEXW&)) and creates the window with `this` attached at
  // WM_NCCREATE, cleared at WM_NCDESTROY. Returns nullptr on failure.
  HWND CreateWindowBase(DWORD exStyle, const wchar_t* title, DWORD style, int x, int y, int w, int h,
                        HWND parent, HMENU menuOrId) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    if (!GetClassInfoExW(instance, Derived::kClassName, &existing)) {
      WNDCLASSEXW wc{};
      wc.cbSize = sizeof wc;
      wc.lpfnWndProc = Proc;
      wc.hInstance = instance;
      wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
      wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
      wc.lpszClassName = Derived::kClassName;
      if constexpr (requires(WNDCLASSEXW& c) { Derived::FillClass(c); }) Derived::FillClass(wc);
      if (!RegisterClassExW(&wc)) return nullptr;
    }
    return CreateWindowExW(exStyle, Derived::kClassName, title, style, x, y, w, h, parent, menuOrId,
                           instance, this);
  }

  LRESULT Default(UINT msg, WPARAM wp, LPARAM lp) { return DefWindowProcW(hwnd_, msg, wp, lp); }

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) noexcept {
    BaseWindow* self = nullptr;
    if (msg == WM_NCCREATE) {
      self = static_cast<BaseWindow*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
      self->hwnd_ = hwnd;
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    } else {
      self = reinterpret_cast<BaseWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    }
    if (!self) return DefWindowProcW(hwnd, msg, wp, lp);
    LRESULT result = static_cast<Derived*>(self)->HandleMessage(msg, wp, lp);
    if (msg == WM_NCDESTROY) {
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
      self->hwnd_ = nullptr;
    }
    return result;
  }

  HWND hwnd_ = nullptr;
};

}  // namespace sorelka::win32
