// A handler put in front of a window's own procedure: the one way the program subclasses a
// control. The handler and the procedure it sits on are kept in the program's own table, keyed
// by the window (not with SetWindowSubclass, which needs common controls 6 and so is missing on
// Windows 2000; and not in a window property, which any other program may overwrite). The
// record goes, and the window has its own procedure back, at WM_NCDESTROY. Every subclassed
// window of the program lives on its one window thread, which alone reads and writes the table.
#pragma once
#include <windows.h>

#include <algorithm>
#include <vector>

namespace sorelka::win32 {

class Subclass {
 public:
  // Sees every message first; `own` is the window's own procedure, for CallOwn.
  using Handler = LRESULT (*)(void* context, HWND w, UINT msg, WPARAM wp, LPARAM lp, WNDPROC own);

  // False when the window has a handler of ours already or the system refused.
  static bool Attach(HWND w, Handler handler, void* context) {
    if (!w || Find(w) != Table().end()) return false;
    SetLastError(0);
    const auto own = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(w, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Proc)));
    if (!own && GetLastError()) return false;
    Table().push_back(Record{w, handler, context, own});
    return true;
  }

  static LRESULT CallOwn(WNDPROC own, HWND w, UINT msg, WPARAM wp, LPARAM lp) {
    return own ? CallWindowProcW(own, w, msg, wp, lp) : DefWindowProcW(w, msg, wp, lp);
  }

 private:
  struct Record {
    HWND window;
    Handler handler;
    void* context;
    WNDPROC own;
  };
  static std::vector<Record>& Table() {
    static std::vector<Record> table;
    return table;
  }
  static std::vector<Record>::iterator Find(HWND w) {
    return std::find_if(Table().begin(), Table().end(), [w](const Record& r) { return r.window == w; });
  }

  static LRESULT CALLBACK Proc(HWND w, UINT msg, WPARAM wp, LPARAM lp) noexcept {
    const auto at = Find(w);
    if (at == Table().end()) return DefWindowProcW(w, msg, wp, lp);
    const Record record = *at;  // a copy: the handler may subclass another window
    if (msg != WM_NCDESTROY) return record.handler(record.context, w, msg, wp, lp, record.own);
    // The window's last message: the handler hears it, then the window is as it was made.
    Table().erase(at);
    SetWindowLongPtrW(w, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(record.own));
    return record.handler(record.context, w, msg, wp, lp, record.own);
  }
};

}  // namespace sorelka::win32
