// A handler put in front of a window's own procedure: the one way the program subclasses a
// control. The handler and the procedure it sits on are kept in a window property, not with
// SetWindowSubclass, which needs common controls 6 and so is missing on Windows 2000. The
// property goes, and the window has its own procedure back, at WM_NCDESTROY.
#pragma once
#include <windows.h>

#include <memory>

namespace sorelka::win32 {

class Subclass {
 public:
  // Sees every message first; `own` is the window's own procedure, for CallOwn.
  using Handler = LRESULT (*)(void* context, HWND w, UINT msg, WPARAM wp, LPARAM lp, WNDPROC own);

  // False when the window has a handler of ours already or the system refused.
  static bool Attach(HWND w, Handler handler, void* context) {
    if (!w || GetPropW(w, kProp)) return false;
    auto record = std::make_unique<Record>(Record{handler, context, nullptr});
    if (!SetPropW(w, kProp, record.get())) return false;
    SetLastError(0);
    record->own = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(w, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Proc)));
    if (!record->own && GetLastError()) {
      RemovePropW(w, kProp);
      return false;
    }
    record.release();  // the window holds it until WM_NCDESTROY
    return true;
  }

  static LRESULT CallOwn(WNDPROC own, HWND w, UINT msg, WPARAM wp, LPARAM lp) {
    return own ? CallWindowProcW(own, w, msg, wp, lp) : DefWindowProcW(w, msg, wp, lp);
  }

 private:
  static constexpr wchar_t kProp[] = L"Sorelka.Subclass";
  struct Record {
    Handler handler;
    void* context;
    WNDPROC own;
  };

  static LRESULT CALLBACK Proc(HWND w, UINT msg, WPARAM wp, LPARAM lp) noexcept {
    auto* record = static_cast<Record*>(GetPropW(w, kProp));
    if (!record) return DefWindowProcW(w, msg, wp, lp);
    if (msg != WM_NCDESTROY) return record->handler(record->context, w, msg, wp, lp, record->own);
    // The window's last message: the handler hears it, then the window is as it was made.
    const std::unique_ptr<Record> owned(record);
    RemovePropW(w, kProp);
    SetWindowLongPtrW(w, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(owned->own));
    return owned->handler(owned->context, w, msg, wp, lp, owned->own);
  }
};

}  // namespace sorelka::win32
