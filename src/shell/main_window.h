// The main window: makes the controls and menus from their tables and forwards every event to
// the behaviour (MainForm). Closing follows the rule for nested loops (modal_loops.h).
#pragma once
#include "win32_headers.h"  // <windows.h> without its MessageBox macro
#include "shell_namespace.h"

#include <memory>
#include <vector>

#include "app/controls.h"
#include "app/layout.h"
#include "app/main_form.h"
#include "control_windows.h"
#include "form_port_win32.h"
#include "frame_container.h"
#include "top_level_windows.h"
#include "modal_loops.h"
#include "resources.h"
#include "slider_tip.h"
#include "win32/base_window.h"
#include "win32/handles.h"
#include "window_builder.h"

namespace sorelka::shell {

class MainWindow final : public BaseWindow<MainWindow> {
 public:
  static constexpr wchar_t kClassName[] = L"SorelkaMainWindow";

  MainWindow(ControlWindows& windows, Resources& resources, Win32Form& port, MainForm& form, ModalLoops& loops,
             TopLevelWindows& live);

  // Makes the window with its menus and controls. On failure returns false and Failure()
  // names what failed and the system's error code.
  bool Create();
  const wchar_t* Failure(DWORD* error) const {
    *error = error_;
    return failure_;
  }
  void Show(int showCommand);
  // Keyboard handling of a dialog, with Tab driven by the tab indexes. True when handled.
  bool PreTranslate(MSG& msg) { return PreTranslateDialogKeys(hwnd(), msg, keys_); }

 private:
  friend class BaseWindow<MainWindow>;
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp);
  LRESULT OnCreate();
  bool CreateControls();
  ControlArgs ArgsFor(const ControlRow<Ctl>& desc);
  MainWindowLayout Layout() const;
  void SetUpStatusBar(const MainWindowLayout& layout);
  void OnDpiChanged(const DpiChange& change);
  bool CreateMenus();
  void OnCommand(WPARAM wp, LPARAM lp);
  void OnTimer(WPARAM id);
  LRESULT OnCtlColor(HDC dc, HWND control, UINT msg);
  LRESULT OnDrawItem(const DRAWITEMSTRUCT& item);
  void OnPaint();
  LRESULT OnActivate(WPARAM wp, LPARAM lp);
  LRESULT OnSysCommand(WPARAM wp, LPARAM lp);
  void OnClose();
  void OnEndSession(bool ending);
  void OnFinish();
  void OnDestroy();
  void OnNcDestroy();
  void OnSliderScroll(int code, HWND from);
  static LRESULT SendButtonHook(void* self, HWND button, UINT msg, WPARAM wp, LPARAM lp, WNDPROC own) noexcept;
  void UnloadOnce();
  void OnEnter();
  void ClickControl(Ctl c);
  bool Fail(const wchar_t* what);

  ControlWindows& w_;
  Resources& res_;  // rescaled when the window changes resolution
  Win32Form& port_;
  MainForm& form_;
  ModalLoops& loops_;
  TopLevelWindows& live_;  // the process ends with the program's last window
  std::vector<ControlArgs> args_;  // the control table, as the builder reads it
  std::vector<std::unique_ptr<FrameContainer>> frames_;
  ScopedMenu sendMenu_;  // the hidden popup-only menu; the menu bar goes with the window
  FocusMemory focus_;
  DialogKeys keys_;
  SliderTip tip_;               // the slider's readout while its thumb moves
  bool sliderByMouse_ = false;  // the slider's current move began with the mouse
  LPARAM sendLastMove_ = -1;    // repeated moves to one spot are synthetic, not the user's
  const wchar_t* failure_ = L"";
  DWORD error_ = 0;
};

}  // namespace sorelka::shell
