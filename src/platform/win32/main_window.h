// The main window: creates the controls and menus from their tables, implements the form
// port over them and forwards every event to the behaviour (MainForm).
#pragma once
#include <windows.h>
// The form port has a MessageBox of its own; the Win32 one is called by its W name.
#undef MessageBox

#include <array>

#include "app/main_form.h"
#include "desktop_win32.h"
#include "frame_container.h"
#include "platform/form_port.h"
#include "scoped.h"

namespace sorelka::win32 {

inline constexpr wchar_t kMainClass[] = L"SorelkaMainWindow";
inline constexpr int kFirstControlId = 1000;  // control id = 1000 + Ctl
inline constexpr int kFirstMenuId = 2000;     // menu command id = 2000 + Menu

class MainWindow final : public FormPort {
 public:
  static void RegisterClass(HINSTANCE instance);
  bool Create(HINSTANCE instance);
  void Show(int showCommand);
  void AttachDialogs(Dialogs& dialogs) { form_.AttachDialogs(dialogs); }  // before Create
  HWND hwnd() const { return hwnd_; }
  // Keyboard handling of a dialog, with Tab driven by the tab indexes. True when handled.
  bool PreTranslate(MSG& msg);

  // FormPort
  int Value(Ctl c) override;
  void SetValue(Ctl c, int value) override;
  bool Enabled(Ctl c) override;
  void SetEnabled(Ctl c, bool enabled) override;
  Text GetText(Ctl c) override;
  void SetText(Ctl c, const Text& text) override;
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
  int MessageLineCount() override;
  Ansi MessageLineA(int index) override;
  Hwnd WindowHandle() override { return FromHwnd(hwnd_); }

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) noexcept;
  LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp);
  void OnCreate();
  void CreateFonts();
  void CreateControl(const ControlDesc& desc);
  void CreateMenus();
  void OnCommand(WPARAM wp, LPARAM lp);
  LRESULT OnCtlColor(HDC dc, HWND control, UINT msg);
  void OnDrawItem(const DRAWITEMSTRUCT& item);
  void OnPaint();
  void OnDestroy();
  void OnEnter();
  void MoveFocus(bool forward);
  bool CanFocus(Ctl c);
  HWND H(Ctl c) const { return controls_[static_cast<int>(c)]; }
  int CtlOf(HWND h) const;  // -1 when not one of ours
  int Px(int twips) const { return MulDiv(twips, dpi_, 1440); }
  HFONT FontFor(Font f) const { return fonts_[static_cast<int>(f)].get(); }

  HWND hwnd_ = nullptr;
  int dpi_ = 96;
  std::array<HWND, kControlCount> controls_{};
  std::array<TwipRect, kControlCount> bounds_{};
  std::array<ScopedFont, 4> fonts_;
  std::array<ScopedIcon, 3> statusIcons_;
  ScopedIcon appIconSmall_, appIconBig_;
  ScopedBitmap corner_;
  std::array<FrameLook, kControlCount> frameLooks_{};
  HMENU menuBar_ = nullptr;  // owned by the window
  ScopedMenu sendMenu_;
  std::array<HMENU, static_cast<int>(Menu::Count)> menuHandles_{};  // popup menus by id
  HWND focusBeforeDeactivate_ = nullptr;
  Text sliderTip_;
  Win32Desktop desktop_;
  MainForm form_{*this, desktop_};
};

}  // namespace sorelka::win32
