// Owners for Win32 handles: each closes what it holds exactly once.
#pragma once
#include <windows.h>

#include <string>
#include <utility>

namespace sorelka::win32 {

template <typename H, typename Traits>
class Scoped {
 public:
  Scoped() = default;
  explicit Scoped(H h) : h_(h) {}
  ~Scoped() { reset(); }
  Scoped(const Scoped&) = delete;
  Scoped& operator=(const Scoped&) = delete;
  Scoped(Scoped&& o) noexcept : h_(std::exchange(o.h_, H{})) {}
  Scoped& operator=(Scoped&& o) noexcept {
    if (this != &o) {
      reset();
      h_ = std::exchange(o.h_, H{});
    }
    return *this;
  }
  H get() const { return h_; }
  explicit operator bool() const { return h_ != H{}; }
  void reset(H h = H{}) {
    if (h_ != H{}) Traits::Close(h_);
    h_ = h;
  }

 private:
  H h_{};
};

struct GdiTraits { static void Close(HGDIOBJ h) { DeleteObject(h); } };
struct IconTraits { static void Close(HICON h) { DestroyIcon(h); } };
struct MenuTraits { static void Close(HMENU h) { DestroyMenu(h); } };
struct HandleTraits { static void Close(HANDLE h) { CloseHandle(h); } };
struct ModuleTraits { static void Close(HMODULE h) { FreeLibrary(h); } };

using ScopedFont = Scoped<HFONT, GdiTraits>;
using ScopedBrush = Scoped<HBRUSH, GdiTraits>;
using ScopedBitmap = Scoped<HBITMAP, GdiTraits>;
using ScopedIcon = Scoped<HICON, IconTraits>;
using ScopedMenu = Scoped<HMENU, MenuTraits>;
using ScopedHandle = Scoped<HANDLE, HandleTraits>;
using ScopedModule = Scoped<HMODULE, ModuleTraits>;

// A DC from GetDC, released to its window.
class WindowDc {
 public:
  explicit WindowDc(HWND w) : w_(w), dc_(GetDC(w)) {}
  ~WindowDc() { if (dc_) ReleaseDC(w_, dc_); }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND w_;
  HDC dc_;
};

// Selects an object into a DC for one scope.
class Selection {
 public:
  Selection(HDC dc, HGDIOBJ obj) : dc_(dc), old_(SelectObject(dc, obj)) {}
  ~Selection() { SelectObject(dc_, old_); }
  Selection(const Selection&) = delete;
  Selection& operator=(const Selection&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

// UTF-16 text between the portable code (char16_t) and Win32 (wchar_t): the same units on Windows.
inline const wchar_t* W(const std::u16string& s) { return reinterpret_cast<const wchar_t*>(s.c_str()); }
inline const wchar_t* W(const char16_t* s) { return reinterpret_cast<const wchar_t*>(s); }

}  // namespace sorelka::win32
