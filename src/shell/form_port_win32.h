// The form port over the main window's real controls, and the keyboard focus among them.
#pragma once
#include "win32_headers.h"  // <windows.h> without its MessageBox macro
#include "shell_namespace.h"

#include "control_windows.h"
#include "desktop_win32.h"
#include "modal_loops.h"
#include "platform/form_port.h"
#include "resources.h"

namespace sorelka::shell {

class Win32Form final : public FormPort {
 public:
  Win32Form(ControlWindows& windows, const Resources& resources, Win32Desktop& desktop, ModalLoops& loops)
      : w_(windows), res_(resources), desktop_(desktop), loops_(loops) {}

  int Value(Ctl c) override;
  void SetValue(Ctl c, int value) override;
  bool Enabled(Ctl c) override;
  void SetEnabled(Ctl c, bool enabled) override;
  Text GetText(Ctl c) override;
  void SetText(Ctl c, const Text& text) override;
  void SetReadOnly(Ctl c, bool readOnly) override;
  bool Visible(Ctl c) override;
  void SetVisible(Ctl c, bool visible) override;
  TwipRect Bounds(Ctl c) override;
  void Move(Ctl c, const TwipRect& r) override;
  int ScaleWidth() override;
  void SetPanelText(int panel, const Text& text) override;
  Text PanelText(int panel) override;
  void SetPanelIcon(int panel, int icon) override;
  bool MenuChecked(Menu m) override;
  void SetMenuChecked(Menu m, bool checked) override;
  void PopupMenu(Menu m) override;
  int MessageBox(const Text& text, const Text* title, unsigned flags) override;
  Text MessageText() override;
  Hwnd WindowHandle() override { return FromHwnd(w_.main); }

  // --- the keyboard focus ---
  // Tab may stop here: enabled and shown, and an option button only when selected.
  bool CanFocus(Ctl c);
  // Tab (forward) or Shift+Tab by the tab indexes.
  void MoveFocus(bool forward);
  // Gives the focus back to `saved` when it can still take it, else to FocusFallback.
  void RestoreFocus(HWND saved);

 private:
  HWND H(Ctl c) const { return w_.H(c); }
  void FocusControl(Ctl c);

  ControlWindows& w_;
  const Resources& res_;
  Win32Desktop& desktop_;
  ModalLoops& loops_;
  Text sliderTip_;  // the slider's readout, which the main window's tip shows
};

}  // namespace sorelka::shell
