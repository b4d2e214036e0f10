// The one builder from a table to a window, used by the main window and by the tip and version
// windows: each turns its table into ControlArgs (its adapter) and the builder makes the
// controls in their fonts, places them from twips again when the resolution changes, colours
// them, keeps the focus across activation and gives the window the keyboard of a dialog.
#pragma once
#include <windows.h>
#include "shell_namespace.h"

#include <functional>
#include <optional>
#include <span>

#include "fonts.h"
#include "platform/colour.h"
#include "platform/pixels.h"
#include "win32_kinds.h"

namespace sorelka::shell {

inline COLORREF ToColorRef(const Colour& c) { return RGB(c.r, c.g, c.b); }

// One control as the builder makes it.
struct ControlArgs {
  int id;
  Win32Kind kind;           // class and styles, with the row's own additions
  const wchar_t* caption;   // never null
  int container;            // place in the same list of the control that holds it; -1: the window
  Font font;
  // A class of our own: registered before the control is made (false: it could not be), and
  // the object that WM_NCCREATE attaches to it.
  bool (*registerClass)() = nullptr;
  void* object = nullptr;
};

// The one adapter from a table's row to what the builder makes: the class and styles of its
// kind with the row's own additions (shown or not, a Win32 group at the start of each option
// group, the default push button). `previous`: the row made before it (null for the first). A
// container of our own (Frame, PictureBox) takes its class and object from its window.
ControlArgs ArgsOf(const ControlRow<int>& row, const ControlRow<int>* previous, int id);

// What a control needs beyond its class, styles and font, by its kind: the one set-up of every
// window's controls, once made. False when it could not be made ready.
struct SetUpNeeds {
  int dpi;
  std::function<HICON(Picture, int px)> picture;  // null: none
};
bool SetUpControl(const ControlRow<int>& row, HWND h, const PixelRect& at, const SetUpNeeds& needs);
// A rich text box's size for the window's resolution: it draws twips at the screen's.
void ScaleRichText(HWND box, Font font, int dpi);

// Makes the controls in order (a container before what it holds), each at its place in pixels
// and in its font; `out` takes the handles. False at the first one that cannot be made, with
// the reason in GetLastError().
bool BuildControls(HWND window, std::span<const ControlArgs> rows, std::span<const PixelRect> at,
                   const FontSet& fonts, std::span<HWND> out);

// After a change of resolution: every control at its place again and in its font for the
// new resolution, except where `keepFont(i)` says the control scales its own text.
void PlaceControls(std::span<const ControlArgs> rows, std::span<const HWND> controls,
                   std::span<const PixelRect> at, const FontSet& fonts,
                   const std::function<bool(std::size_t)>& keepFont = {});

// The window's client area made exactly this size, its top left corner kept.
void FitClient(HWND window, int width, int height);

// The WM_DPICHANGED being handled, when it is to be acted on (app/message_trust.h): only the
// system's own, sent from the window's own thread (a posted one never reaches a window: the
// thread's message hook drops it). `suggested` is null where lParam holds none.
struct DpiChange {
  int dpi = 0;  // 0: not acted on
  const RECT* suggested = nullptr;
};
DpiChange ReadDpiChange(WPARAM wp, LPARAM lp);

// The window's frame after a change of resolution: the rectangle the system suggests, else the
// client area of the given size with the top left corner kept.
void FrameAfterDpiChange(HWND window, const RECT* suggested, int clientWidth, int clientHeight);

// The answer to WM_CTLCOLORSTATIC, WM_CTLCOLORBTN or WM_CTLCOLOREDIT: the text in its colour
// while enabled (a disabled text box grey), on the background given (none: the dialog face;
// an editable box: the window colour).
LRESULT ColourControl(HDC dc, HWND control, UINT msg, const std::optional<Colour>& text, bool isEdit,
                      const std::optional<Colour>& background = {}, HBRUSH backgroundBrush = nullptr);

// The focus a window had when it went to the back, to give back when it returns.
class FocusMemory {
 public:
  void Deactivated() { saved_ = GetFocus(); }
  HWND Saved() const { return saved_; }
  void Clear() { saved_ = nullptr; }

 private:
  HWND saved_ = nullptr;
};

// The keys a window of the program takes as a dialog does, each its own way.
struct DialogKeys {
  std::function<void(bool forward)> tab;
  std::function<void()> enter;
  std::function<bool()> escape;  // true when Esc was used
  bool swallowEscapeChar = false;
};
// Tab (without Ctrl), Enter and Esc for `window` and its controls, the characters of the keys
// taken, then the rest of the dialog keyboard. True when the message was used.
bool PreTranslateDialogKeys(HWND window, MSG& msg, const DialogKeys& keys);

}  // namespace sorelka::shell
