// The form port: the state of the main window's own controls, by name.
// The Win32 shell implements it over real controls; unit tests use a fake form.
#pragma once
#include "platform/ids.h"
#include "platform/types.h"

namespace sorelka {

struct TwipRect {
  int left = 0, top = 0, width = 0, height = 0;
};

// Message box flags and answers, as the platform defines them.
enum : unsigned { kMbOk = 0x0, kMbYesNo = 0x4, kMbIconError = 0x10 };
enum : int { kIdOk = 1, kIdYes = 6, kIdNo = 7 };

class FormPort {
 public:
  virtual ~FormPort() = default;

  // Check box: 0 clear, 1 ticked, 2 grey. Option button: 1 selected, 0 not.
  // Raw access: setting a value here runs no handler (MainForm::SetValueFromCode does).
  // Selecting an option button clears the others of its group.
  virtual int Value(Ctl c) = 0;
  virtual void SetValue(Ctl c, int value) = 0;
  virtual bool Enabled(Ctl c) = 0;
  virtual void SetEnabled(Ctl c, bool enabled) = 0;
  virtual Text GetText(Ctl c) = 0;
  virtual void SetReadOnly(Ctl c, bool readOnly) = 0;  // an edit box that shows but takes no typing
  virtual void SetText(Ctl c, const Text& text) = 0;
  virtual bool Visible(Ctl c) = 0;
  virtual void SetVisible(Ctl c, bool visible) = 0;
  virtual TwipRect Bounds(Ctl c) = 0;           // relative to the control's container
  virtual void Move(Ctl c, const TwipRect& r) = 0;
  virtual int ScaleWidth() = 0;                  // client width of the window, twips

  // Status bar panels are numbered from 1; icon is a StatusIcon index (0..2).
  virtual void SetPanelText(int panel, const Text& text) = 0;
  virtual Text PanelText(int panel) = 0;
  virtual void SetPanelIcon(int panel, int icon) = 0;

  virtual bool MenuChecked(Menu m) = 0;
  virtual void SetMenuChecked(Menu m, bool checked) = 0;
  virtual void PopupMenu(Menu m) = 0;            // modal; returns when the menu closes

  // Modal message box; a null title shows the program's own title.
  virtual int MessageBox(const Text& text, const Text* title, unsigned flags) = 0;

  // The whole text of the multi-line `Message` box in one read (WM_GETTEXT, UTF-16): a send
  // takes it once, so its cost grows with the text, not with the number of lines squared.
  virtual Text MessageText() = 0;

  virtual Hwnd WindowHandle() = 0;               // the main window itself
};

}  // namespace sorelka
