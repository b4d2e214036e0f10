// A window of the program beside the main window (tip, version): made from its table, not
// owned by the main window, counted among the program's live windows, closed by its OK button.
#pragma once
#include <windows.h>
#include "shell_namespace.h"

#include <functional>
#include <string>
#include <utility>

#include "win32/base_window.h"
#include "desktop_win32.h"
#include "dialog_body.h"
#include "win32/dynamic_api.h"
#include "top_level_windows.h"
#include "win32_error.h"

namespace sorelka::shell {

template <typename Derived, typename Port>
class AuxWindow : public BaseWindow<Derived>, public Port {
 public:
  template <typename Id>
  AuxWindow(const DialogDesc<Id>& desc, TopLevelWindows& live) : body_(desc), liveWindows_(live) {}

  std::function<void()> onOk;  // the OK button, Enter, Esc, the close box
  std::function<void()> onActivated;  // came to the front

  // DialogPort
  bool Loaded() override { return this->hwnd() != nullptr; }
  bool Load() override {
    error_ = 0;
    const DialogDesc<int>& desc = body_.desc();
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN | (desc.sizable ? WS_THICKFRAME : 0);
    // No owner: under Wine an owned window keeps its owner out of the topmost band.
    const DWORD exStyle = WS_EX_CONTROLPARENT | (desc.sizable ? 0 : WS_EX_DLGMODALFRAME);
    const RECT at = body_.Placement(style, exStyle);
    if (this->CreateWindowBase(exStyle, reinterpret_cast<const wchar_t*>(desc.caption), style, at.left, at.top,
                               at.right - at.left, at.bottom - at.top, nullptr, nullptr))
      return true;
    if (!error_) error_ = GetLastError();  // the class, or the window itself
    return false;
  }
  Text LoadFailure() override {
    const std::wstring text = SystemErrorText(error_);
    return Text(text.begin(), text.end());
  }
  void ShowAndFocus() override {
    HWND w = this->hwnd();
    if (!w) return;
    ShowWindow(w, SW_SHOW);
    SetForegroundWindow(w);
    SetActiveWindow(w);
    body_.OnActivate(w, WA_ACTIVE);
  }
  void Unload() override {
    if (this->hwnd()) DestroyWindow(this->hwnd());
  }
  Hwnd WindowHandle() override { return FromHwnd(this->hwnd()); }

  bool PreTranslate(MSG& msg) { return body_.PreTranslate(this->hwnd(), msg); }

  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
      case WM_CREATE: return OnCreate();
      case WM_COMMAND: OnCommand(LOWORD(wp)); return 0;
      case DM_GETDEFID: return MAKELONG(DialogBody::kOkId, DC_HASDEFID);
      case kWmDpiChanged:
        if (const DpiChange change = ReadDpiChange(wp, lp); change.dpi) body_.OnDpiChanged(this->hwnd(), change.dpi, change.suggested);
        return 0;
      case WM_CTLCOLORSTATIC:
        if (LRESULT brush = body_.CtlColor(reinterpret_cast<HDC>(wp), reinterpret_cast<HWND>(lp))) return brush;
        break;
      case WM_ACTIVATE:
        if (LOWORD(wp) != WA_INACTIVE && onActivated) onActivated();
        if (body_.OnActivate(this->hwnd(), wp)) return 0;
        break;
      case WM_CLOSE:
        if (onOk) { onOk(); return 0; }
        break;
      case WM_DESTROY:
        if (std::exchange(live_, false)) liveWindows_.Closed();
        return 0;
      case WM_NCDESTROY: body_.Release(); break;
      default: break;
    }
    return this->Default(msg, wp, lp);
  }

 protected:
  DialogBody& body() { return body_; }

 private:
  // A control that cannot be made fails the window: the system destroys what was made.
  LRESULT OnCreate() {
    if (!body_.CreateControls(this->hwnd())) {
      error_ = GetLastError();
      return -1;
    }
    liveWindows_.Opened();
    live_ = true;
    return 0;
  }
  void OnCommand(int id) {
    if ((id == IDOK || id == IDCANCEL) && onOk) onOk();
  }

  DialogBody body_;
  TopLevelWindows& liveWindows_;
  DWORD error_ = 0;    // why the last Load failed
  bool live_ = false;  // counted among the live windows
};

}  // namespace sorelka::shell
