// What the tip and version windows share: the window and its controls made from their table
// (fonts, pictures, colours), the keyboard of a dialog and the focus kept across activation.
#pragma once
#include <windows.h>

#include <vector>

#include "dialogs/dialog_controls.h"
#include "dialogs/dialog_layout.h"
#include "win32/handles.h"
#include "win32/wide.h"

namespace sorelka::win32 {

// What a picture box paints: its picture at the top left corner on its background.
struct PictureLook {
  HICON icon = nullptr;        // not owned
  HBRUSH background = nullptr;  // not owned; null: the window's
};

class DialogBody {
 public:
  explicit DialogBody(const DialogDesc& desc) : desc_(desc) {}

  // The outer size for the table's client area, centred on the work area.
  RECT Placement(DWORD style, DWORD exStyle);
  // At WM_CREATE: the controls in table order (which is their tab order).
  void CreateControls(HWND window);
  // WM_DPICHANGED: fonts for the new resolution, every control again from the table, and the
  // frame the system suggests.
  void OnDpiChanged(HWND window, int dpi, const RECT* suggested);
  // At WM_NCDESTROY: the window's handles are gone; fonts, pictures and brushes go too.
  void Release();

  HWND Control(const char* name) const;
  // WM_CTLCOLORSTATIC of a label or picture box; 0 for anything else.
  LRESULT CtlColor(HDC dc, HWND control) const;
  // Enter and Esc press OK wherever the focus is (it is the default and cancel button), Tab
  // walks the tab order even out of the help text; the rest is the dialog keyboard. True when
  // the message was used.
  bool PreTranslate(HWND window, MSG& msg);
  // WM_ACTIVATE: remember the focus when the window goes to the back, give it back after.
  bool OnActivate(HWND window, WPARAM wp);

  static constexpr int kOkId = IDOK;

 private:
  HFONT FontFor(DialogFont f) const { return fonts_[static_cast<int>(f)].get(); }
  HICON PictureFor(Picture p, int size);
  void CreateControl(HWND window, std::size_t index, const PixelRect& at);
  void MakeFonts();
  void FitClient(HWND window, const DialogLayout& layout);
  void ScaleText(HWND box, DialogFont font);

  const DialogDesc& desc_;
  int dpi_ = 96;
  std::vector<HWND> controls_;
  std::vector<ScopedBrush> backgrounds_;
  std::vector<PictureLook> looks_;  // one a control, sized before any window points into it
  std::vector<ScopedIcon> icons_;
  ScopedFont fonts_[2];
  HWND focusBeforeDeactivate_ = nullptr;
};

}  // namespace sorelka::win32
