#include "window_builder.h"
#include "shell_namespace.h"

#include "app/message_trust.h"
#include "push_check.h"
#include "win32/dynamic_api.h"
#include "win32/wide.h"

namespace sorelka::shell {

namespace {
bool IsButtonKind(Kind k) { return k == Kind::CheckBox || k == Kind::CheckPush || k == Kind::Option; }
}  // namespace

ControlArgs ArgsOf(const ControlRow<int>& row, const ControlRow<int>* previous, int id) {
  Win32Kind kind = Win32KindOf(row.kind);
  kind.style |= WS_CHILD | WS_CLIPSIBLINGS | (row.visible ? WS_VISIBLE : 0);
  // Each option group starts a Win32 group; every other control closes the one before it.
  if (row.group == 0 || !previous || previous->group != row.group) kind.style |= WS_GROUP;
  if (row.extras.isDefault) kind.style = (kind.style & ~BS_TYPEMASK) | BS_DEFPUSHBUTTON;
  return ControlArgs{id, kind, row.caption ? W(row.caption) : L"", row.container.value_or(-1), row.font};
}

bool SetUpControl(const ControlRow<int>& row, HWND h, const PixelRect& at, const SetUpNeeds& needs) {
  // Themed buttons ignore text colours: coloured captions need the classic look.
  if (row.colour && IsButtonKind(row.kind)) DisableTheme(h);
  if (row.extras.textLimit)
    SendMessageW(h, EM_SETLIMITTEXT, row.extras.textLimit == kNoTextLimit ? 0 : row.extras.textLimit, 0);
  const auto picture = [&](int px) { return needs.picture ? needs.picture(row.extras.picture, px) : nullptr; };
  switch (row.kind) {
    case Kind::CheckPush: return MakePushCheck(h);
    case Kind::CheckBox:
    case Kind::Option: SendMessageW(h, BM_SETCHECK, row.value ? BST_CHECKED : BST_UNCHECKED, 0); break;
    case Kind::Slider:
      SendMessageW(h, TBM_SETRANGE, FALSE, MAKELPARAM(row.extras.rangeMin, row.extras.rangeMax));
      SendMessageW(h, TBM_SETPOS, TRUE, row.value);
      break;
    case Kind::Image:
      SendMessageW(h, STM_SETICON, reinterpret_cast<WPARAM>(picture(16)), 0);
      [[fallthrough]];  // the static control takes the picture's size; it keeps the table's
    case Kind::Line:  // the static control widens an etched line by its edge (seen under Wine)
      SetWindowPos(h, nullptr, 0, 0, at.width, at.height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
      break;
    case Kind::StatusBar: SendMessageW(h, SB_SETICON, 0, reinterpret_cast<LPARAM>(picture(16))); break;
    case Kind::RichText: {
      // The box's default font, which all of its text is written in.
      CHARFORMAT2W cf{};
      cf.cbSize = sizeof cf;
      cf.dwMask = CFM_FACE | CFM_CHARSET;
      cf.bCharSet = SHIFTJIS_CHARSET;
      lstrcpynW(cf.szFaceName, FaceOf(row.font).face, LF_FACESIZE);
      SendMessageW(h, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&cf));
      ScaleRichText(h, row.font, needs.dpi);
      break;
    }
    default: break;
  }
  return true;
}

void ScaleRichText(HWND box, Font font, int dpi) {
  CHARFORMAT2W cf{};
  cf.cbSize = sizeof cf;
  cf.dwMask = CFM_SIZE;
  cf.yHeight = MulDiv(FaceOf(font).pointsX100 * 20 / 100, dpi, ScreenDpi());
  SendMessageW(box, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&cf));
}

bool BuildControls(HWND window, std::span<const ControlArgs> rows, std::span<const PixelRect> at,
                   const FontSet& fonts, std::span<HWND> out) {
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const ControlArgs& s = rows[i];
    if (s.registerClass && !s.registerClass()) return false;
    HWND parent = s.container >= 0 ? out[static_cast<std::size_t>(s.container)] : window;
    const PixelRect& r = at[i];
    HWND h = CreateWindowExW(s.kind.exStyle, s.kind.cls, s.caption, s.kind.style, r.left, r.top, r.width, r.height,
                             parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(s.id)), GetModuleHandleW(nullptr),
                             s.object);
    out[i] = h;
    if (!h) return false;
    SendMessageW(h, WM_SETFONT, reinterpret_cast<WPARAM>(fonts.Get(s.font)), FALSE);
  }
  return true;
}

void PlaceControls(std::span<const ControlArgs> rows, std::span<const HWND> controls,
                   std::span<const PixelRect> at, const FontSet& fonts,
                   const std::function<bool(std::size_t)>& keepFont) {
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const PixelRect& r = at[i];
    SetWindowPos(controls[i], nullptr, r.left, r.top, r.width, r.height, SWP_NOZORDER | SWP_NOACTIVATE);
    if (!keepFont || !keepFont(i))
      SendMessageW(controls[i], WM_SETFONT, reinterpret_cast<WPARAM>(fonts.Get(rows[i].font)), TRUE);
  }
}

void FitClient(HWND window, int width, int height) {
  // The frame as it is now, not as AdjustWindowRectEx reckons it: a menu bar may wrap.
  for (int pass = 0; pass < 2; ++pass) {
    RECT client, frame;
    GetClientRect(window, &client);
    GetWindowRect(window, &frame);
    const int extraW = width - client.right, extraH = height - client.bottom;
    if (!extraW && !extraH) return;
    SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left + extraW, frame.bottom - frame.top + extraH,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

DpiChange ReadDpiChange(WPARAM wp, LPARAM lp) {
  // A posted one never gets here: the thread's message hook turned it into WM_NULL.
  const Arrival how = SentFromElsewhere() ? Arrival::SentFromElsewhere : Arrival::SentOnOwnThread;
  switch (DecideDpiChange(how, LOWORD(wp), lp != 0)) {
    case DpiAction::Ignore: return {};
    case DpiAction::Rescale: return {LOWORD(wp), nullptr};
    case DpiAction::RescaleToSuggestion: return {LOWORD(wp), reinterpret_cast<const RECT*>(lp)};
  }
  return {};
}

void FrameAfterDpiChange(HWND window, const RECT* suggested, int clientWidth, int clientHeight) {
  if (suggested)
    SetWindowPos(window, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                 suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
  else
    FitClient(window, clientWidth, clientHeight);
}

LRESULT ColourControl(HDC dc, HWND control, UINT msg, const std::optional<Colour>& text, bool isEdit,
                      const std::optional<Colour>& background, HBRUSH backgroundBrush) {
  if (text && IsWindowEnabled(control)) SetTextColor(dc, ToColorRef(*text));
  if (msg == WM_CTLCOLOREDIT) {
    SetBkColor(dc, GetSysColor(COLOR_WINDOW));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
  }
  if (isEdit) SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));  // a disabled box
  SetBkColor(dc, background ? ToColorRef(*background) : GetSysColor(COLOR_BTNFACE));
  return reinterpret_cast<LRESULT>(backgroundBrush ? backgroundBrush : GetSysColorBrush(COLOR_BTNFACE));
}

bool PreTranslateDialogKeys(HWND window, MSG& msg, const DialogKeys& keys) {
  if (!window || (msg.hwnd != window && !IsChild(window, msg.hwnd))) return false;
  if (msg.message == WM_KEYDOWN) {
    if (msg.wParam == VK_TAB && !(GetKeyState(VK_CONTROL) & 0x8000)) {
      keys.tab(!(GetKeyState(VK_SHIFT) & 0x8000));
      return true;
    }
    if (msg.wParam == VK_RETURN) {
      keys.enter();
      return true;
    }
    if (msg.wParam == VK_ESCAPE && keys.escape()) return true;
  }
  // Swallow the characters of the keys taken above.
  if (msg.message == WM_CHAR &&
      (msg.wParam == L'\t' || msg.wParam == L'\r' || msg.wParam == L'\n' || (keys.swallowEscapeChar && msg.wParam == 0x1B)))
    return true;
  return IsDialogMessageW(window, &msg) != FALSE;
}

}  // namespace sorelka::shell
