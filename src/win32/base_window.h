// The base of every window of the program: registers the window class once, attaches the
// object to its window for exactly the window's life, and routes messages to a member function.
// A derived class declares `friend class BaseWindow<Derived>;` so its kClassName, FillClass and
// HandleMessage may stay private.
#pragma once
#include <windows.h>

namespace sorelka::win32 {

template <typename Derived>
class BaseWindow {
 public:
  HWND hwnd() const { return hwnd_; }
  // Registers Derived's class once; false, with the reason in GetLastError(), when the system
  // refuses. For windows made by another's CreateWindowEx with the object as its parameter
  // (the controls the window builder makes).
  static bool Register() { return RegisterOnce(); }

 protected:
  BaseWindow() = default;
  ~BaseWindow() = default;
  BaseWindow(const BaseWindow&) = delete;
  BaseWindow& operator=(const BaseWindow&) = delete;

  // Registers Derived's class once (name Derived::kClassName; Derived may define
  // static void FillClass(WNDCLASSEXW&) to set icon/cursor/brush) and creates the window
  // with `this` attached at WM_NCCREATE, cleared at WM_NCDESTROY. Returns nullptr on failure,
  // with the reason in GetLastError().
  HWND CreateWindowBase(DWORD exStyle, const wchar_t* title, DWORD style, int x, int y, int w,
                        int h, HWND parent, HMENU menuOrId) {
    if (!RegisterOnce()) return nullptr;
    return CreateWindowExW(exStyle, Derived::kClassName, title, style, x, y, w, h, parent, menuOrId,
                           GetModuleHandleW(nullptr), static_cast<Derived*>(this));
  }

  // Derived implements: LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp);
  LRESULT Default(UINT msg, WPARAM wp, LPARAM lp) { return DefaultFor(hwnd_, msg, wp, lp); }

  // The procedure that attaches the object and routes its messages, for a class Derived
  // registers itself: under several names, or as an ANSI class (whose windows get the ANSI
  // default handling, see DefaultFor). The window is made with the object as its creation
  // parameter.
  static WNDPROC Procedure() { return Proc; }

 private:
  static bool RegisterOnce() {
    static ATOM atom = 0;
    if (atom) return true;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = Proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    wc.lpszClassName = Derived::kClassName;
    if constexpr (requires(WNDCLASSEXW& c) { Derived::FillClass(c); }) Derived::FillClass(wc);
    atom = RegisterClassExW(&wc);
    return atom != 0;
  }

  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) noexcept {
    Derived* self = nullptr;
    if (msg == WM_NCCREATE) {
      // lpCreateParams sits first in both CREATESTRUCTA and CREATESTRUCTW.
      self = static_cast<Derived*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
      self->hwnd_ = hwnd;
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    } else {
      self = reinterpret_cast<Derived*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    }
    // Messages before WM_NCCREATE (WM_GETMINMAXINFO) and after WM_NCDESTROY find no object.
    if (!self) return DefaultFor(hwnd, msg, wp, lp);
    if (msg == WM_NCDESTROY) {
      // The object hears of it first, to drop what it holds of the window, then lets go.
      self->HandleMessage(msg, wp, lp);
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
      self->hwnd_ = nullptr;
      return DefaultFor(hwnd, msg, wp, lp);
    }
    return self->HandleMessage(msg, wp, lp);
  }

  // A Derived that may be registered as an ANSI class says so (static constexpr bool
  // kMayBeAnsi = true); the others need neither the question nor the ANSI handling.
  static LRESULT DefaultFor(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if constexpr (requires { Derived::kMayBeAnsi; })
      if (!IsWindowUnicode(hwnd)) return DefWindowProcA(hwnd, msg, wp, lp);
    return DefWindowProcW(hwnd, msg, wp, lp);
  }

  HWND hwnd_ = nullptr;
};

}  // namespace sorelka::win32
