// Owners for Win32 handles, DCs and paint scopes, shared by the program and its tools: each
// gives back what it holds exactly once. A handle an object does not own stays a raw handle.
#pragma once
#include <windows.h>

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
  Scoped(Scoped&& o) noexcept : h_(std::exchange(o.h_, Traits::Empty())) {}
  Scoped& operator=(Scoped&& o) noexcept {
    if (this != &o) {
      reset();
      h_ = std::exchange(o.h_, Traits::Empty());
    }
    return *this;
  }
  H get() const { return h_; }
  explicit operator bool() const { return Traits::Valid(h_); }
  void reset(H h = Traits::Empty()) {
    if (Traits::Valid(h_)) Traits::Close(h_);
    h_ = h;
  }

 private:
  H h_ = Traits::Empty();
};

// Most handles are empty when null.
template <typename H>
struct NullEmpty {
  static H Empty() { return nullptr; }
  static bool Valid(H h) { return h != nullptr; }
};

template <typename H>
struct GdiObjectTraits : NullEmpty<H> { static void Close(H h) { DeleteObject(h); } };
struct IconTraits : NullEmpty<HICON> { static void Close(HICON h) { DestroyIcon(h); } };
struct MenuTraits : NullEmpty<HMENU> { static void Close(HMENU h) { DestroyMenu(h); } };
struct HandleTraits : NullEmpty<HANDLE> { static void Close(HANDLE h) { CloseHandle(h); } };
struct WindowTraits : NullEmpty<HWND> { static void Close(HWND h) { DestroyWindow(h); } };
// CreateFile reports failure as INVALID_HANDLE_VALUE, not null.
struct FileTraits {
  static HANDLE Empty() { return INVALID_HANDLE_VALUE; }
  static bool Valid(HANDLE h) { return h != INVALID_HANDLE_VALUE && h != nullptr; }
  static void Close(HANDLE h) { CloseHandle(h); }
};

using ScopedFont = Scoped<HFONT, GdiObjectTraits<HFONT>>;
using ScopedBrush = Scoped<HBRUSH, GdiObjectTraits<HBRUSH>>;
using ScopedBitmap = Scoped<HBITMAP, GdiObjectTraits<HBITMAP>>;
using ScopedIcon = Scoped<HICON, IconTraits>;
using ScopedMenu = Scoped<HMENU, MenuTraits>;
using ScopedHandle = Scoped<HANDLE, HandleTraits>;  // process, thread and event handles
using ScopedFile = Scoped<HANDLE, FileTraits>;
// A window of our own with no object of its own to end it (a tooltip).
using ScopedWindow = Scoped<HWND, WindowTraits>;

// A DC from GetDC, released to its window (null: the screen).
class WindowDc {
 public:
  explicit WindowDc(HWND w) : w_(w), dc_(GetDC(w)) {}
  ~WindowDc() {
    if (dc_) ReleaseDC(w_, dc_);
  }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND w_;
  HDC dc_;
};

// A memory DC compatible with another, deleted at the end of the scope.
class MemoryDc {
 public:
  explicit MemoryDc(HDC compatibleWith) : dc_(CreateCompatibleDC(compatibleWith)) {}
  ~MemoryDc() {
    if (dc_) DeleteDC(dc_);
  }
  MemoryDc(const MemoryDc&) = delete;
  MemoryDc& operator=(const MemoryDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HDC dc_;
};

// BeginPaint/EndPaint as a pair, for a WM_PAINT handler.
class PaintScope {
 public:
  explicit PaintScope(HWND w) : w_(w) { dc_ = BeginPaint(w, &ps_); }
  ~PaintScope() { EndPaint(w_, &ps_); }
  PaintScope(const PaintScope&) = delete;
  PaintScope& operator=(const PaintScope&) = delete;
  HDC dc() const { return dc_; }
  const PAINTSTRUCT& ps() const { return ps_; }

 private:
  HWND w_;
  PAINTSTRUCT ps_{};
  HDC dc_ = nullptr;
};

// Selects an object into a DC for one scope and puts the old one back; a null object
// selects nothing.
class Selection {
 public:
  Selection(HDC dc, HGDIOBJ obj) : dc_(dc), old_(dc && obj ? SelectObject(dc, obj) : nullptr) {}
  ~Selection() {
    if (old_) SelectObject(dc_, old_);
  }
  Selection(const Selection&) = delete;
  Selection& operator=(const Selection&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

}  // namespace sorelka::win32
