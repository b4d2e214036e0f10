// What the tip and version windows share: the window and its controls made from their table
// by the window builder (fonts, pictures, colours), the keyboard of a dialog and the focus
// kept across activation.
#pragma once
#include <windows.h>
#include "shell_namespace.h"

#include <memory>
#include <vector>

#include "dialogs/dialog_controls.h"
#include "dialogs/dialog_layout.h"
#include "fonts.h"
#include "picture_box.h"
#include "win32/handles.h"
#include "win32/wide.h"
#include "window_builder.h"

namespace sorelka::shell {

class DialogBody {
 public:
  template <typename Id>
  explicit DialogBody(const DialogDesc<Id>& desc) : DialogBody(ByPlace(desc), kFirstControlId<Id>) {}

  const DialogDesc<int>& desc() const { return desc_; }

  // The outer size for the table's client area, centred on the work area.
  RECT Placement(DWORD style, DWORD exStyle);
  // At WM_CREATE: the controls in table order (which is their tab order). False, with the
  // reason in GetLastError(), when one could not be made.
  bool CreateControls(HWND window);
  // WM_DPICHANGED: fonts for the new resolution, every control again from the table, and the
  // frame the system suggests.
  void OnDpiChanged(HWND window, int dpi, const RECT* suggested);
  // At WM_NCDESTROY: the window's handles are gone; fonts, pictures and brushes go too.
  void Release();

  // A control by the window's own id (TipCtl, AboutCtl); null while the window is not made.
  template <typename Id>
  HWND Control(Id c) const {
    const auto at = static_cast<std::size_t>(c);
    return at < controls_.size() ? controls_[at] : nullptr;
  }
  // WM_CTLCOLORSTATIC of a label or picture box; 0 for anything else.
  LRESULT CtlColor(HDC dc, HWND control) const;
  // Enter and Esc press OK wherever the focus is (it is the default and cancel button), Tab
  // walks the tab order even out of the help text; the rest is the dialog keyboard. True when
  // the message was used.
  bool PreTranslate(HWND window, MSG& msg) { return PreTranslateDialogKeys(window, msg, keys_); }
  // WM_ACTIVATE: remember the focus when the window goes to the back, give it back after.
  bool OnActivate(HWND window, WPARAM wp);

  static constexpr int kOkId = IDOK;

 private:
  DialogBody(DialogDesc<int> desc, int firstId);
  HICON PictureFor(Picture p, int size);
  ControlArgs ArgsFor(std::size_t index);
  HWND DefaultButton() const;

  const DialogDesc<int> desc_;  // its ids as places in the table
  const int firstId_;
  HWND window_ = nullptr;
  int dpi_ = 96;
  FontSet fonts_;
  std::vector<ControlArgs> args_;  // the table, as the builder reads it
  std::vector<HWND> controls_;
  std::vector<ScopedBrush> backgrounds_;
  std::vector<std::unique_ptr<PictureBox>> boxes_;
  std::vector<ScopedIcon> icons_;
  FocusMemory focus_;
  DialogKeys keys_;
};

}  // namespace sorelka::shell
