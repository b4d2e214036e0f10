// The base of every window of the program: registers the window class once, attaches the
// object to its window for exactly the window's life (in a table of its own, never through
// anything another program can write), and routes messages to a member function.
// A derived class declares `friend class BaseWindow<Derived>;` so its kClassName, FillClass and
// HandleMessage may stay private.
#pragma once
#include <windows.h>

#include <algorithm>
#include <utility>
#include <vector>

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

  // Which object each window of the class has, in the program's own memory: GWLP_USERDATA
  // and window properties can be written by any other program. All the windows of a class
  // live on the program's one window thread, which alone reads and writes the table.
  static std::vector<std::pair<HWND, Derived*>>& Objects() {
    static std::vector<std::pair<HWND, Derived*>> objects;
    return objects;
  }
  static auto Find(HWND hwnd) {
    return std::find_if(Objects().begin(), Objects().end(), [hwnd](const auto& o) { return o.first == hwnd; });
  }

  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) noexcept {
    auto at = Find(hwnd);
    // The object is attached once, by CreateWindowEx on the program's own thread: a
    // WM_NCCREATE sent from another thread or process carries another's lpCreateParams.
    if (msg == WM_NCCREATE && at == Objects().end() && !InSendMessage()) {
      // lpCreateParams sits first in both CREATESTRUCTA and CREATESTRUCTW.
      auto* created = static_cast<Derived*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
      created->hwnd_ = hwnd;
      Objects().emplace_back(hwnd, created);
      at = Objects().end() - 1;
    }
    // Messages before WM_NCCREATE (WM_GETMINMAXINFO) and after WM_NCDESTROY find no object.
    if (at == Objects().end()) return DefaultFor(hwnd, msg, wp, lp);
    Derived* self = at->second;
    if (msg == WM_NCDESTROY) {
      // The object hears of it first, to drop what it holds of the window, then lets go.
      self->HandleMessage(msg, wp, lp);
      Objects().erase(Find(hwnd));  // found again: the handler may have made windows
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
