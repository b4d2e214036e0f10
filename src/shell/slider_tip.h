// The slider's value while its thumb moves: a tracking tooltip with no owner. Under Wine a
// window owned by the main window (the trackbar's own tooltip included) keeps the main window
// out of the topmost band; an unowned one does not.
#pragma once
#include <windows.h>
#include "shell_namespace.h"
#include <commctrl.h>

#include <string>

#include "win32/handles.h"

namespace sorelka::shell {

class SliderTip {
 public:
  void Attach(HWND slider);  // the window itself is made at the first Show
  void Destroy();            // also when the object goes
  // The main window's resolution: the tip's text and its distance above the thumb follow it.
  void SetDpi(int dpi);
  // Shows `text` over the thumb, or moves it there with that text when shown already.
  void Show(const std::wstring& text);
  void Hide();

 private:
  TOOLINFOW Tool(const wchar_t* text) const;
  bool MakeWindow();
  void ApplyDpi();

  HWND slider_ = nullptr;
  bool shown_ = false;
  int systemDpi_ = 96;  // what the system's tooltip font and menu height are made for
  int dpi_ = 96;
  ScopedFont font_;     // the tooltip font rescaled; empty while the system's own fits
  ScopedWindow tip_;    // declared last, so it goes before the font it uses
};

}  // namespace sorelka::shell
