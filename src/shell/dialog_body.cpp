#include "dialog_body.h"

#include <richedit.h>

#include <utility>

#include "win32/dynamic_api.h"
#include "resource_ids.h"
#include "resources.h"

namespace sorelka::win32 {

namespace {

constexpr wchar_t kPictureBoxClass[] = L"SorelkaPictureBox";
constexpr int kFirstControlId = 100;  // other controls: 100 + their place in the table
constexpr int kPointsX100[] = {900, 825};  // by DialogFont
constexpr wchar_t kFontFace[] = L"ＭＳ Ｐゴシック";

COLORREF ToColorRef(const Colour& c) { return RGB(c.r, c.g, c.b); }

// A container that paints its background and picture and hands its children's colour
// questions and commands to the window.
LRESULT CALLBACK PictureBoxProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) noexcept {
  auto* look = reinterpret_cast<const PictureLook*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  switch (msg) {
    case WM_ERASEBKGND: {
      RECT rc;
      GetClientRect(hwnd, &rc);
      FillRect(reinterpret_cast<HDC>(wp), &rc, look && look->background ? look->background
                                                                         : GetSysColorBrush(COLOR_BTNFACE));
      return TRUE;
    }
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd, &ps);
      if (look && look->icon) DrawIconEx(dc, 0, 0, look->icon, 32, 32, 0, nullptr, DI_NORMAL);
      EndPaint(hwnd, &ps);
      return 0;
    }
    case WM_CTLCOLORSTATIC:
    case WM_COMMAND:
    case WM_NOTIFY: return SendMessageW(GetParent(hwnd), msg, wp, lp);
    default: return DefWindowProcW(hwnd, msg, wp, lp);
  }
}

void RegisterPictureBox() {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  if (GetClassInfoExW(instance, kPictureBoxClass, &wc)) return;
  wc = {};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = PictureBoxProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = kPictureBoxClass;
  RegisterClassExW(&wc);
}

}  // namespace

RECT DialogBody::Placement(DWORD style, DWORD exStyle) {
  dpi_ = ScreenDpi();  // the window's own is known once it exists (CreateControls)
  const DialogLayout layout = LayOutDialog(desc_, dpi_);
  RECT rc{0, 0, layout.clientWidth, layout.clientHeight};
  AdjustWindowRectEx(&rc, style, FALSE, exStyle);
  const int w = rc.right - rc.left, h = rc.bottom - rc.top;
  RECT work{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  const int x = work.left + (work.right - work.left - w) / 2, y = work.top + (work.bottom - work.top - h) / 2;
  return RECT{x, y, x + w, y + h};
}

HICON DialogBody::PictureFor(Picture p, int size) {
  int id = 0;
  switch (p) {
    case Picture::None: return nullptr;
    case Picture::Program: id = IDI_APP; break;
    case Picture::Chat: id = IDI_CHAT; break;
    case Picture::Messenger: id = IDI_MESSENGER; break;
    case Picture::Unknown: id = IDI_INFO; break;
    case Picture::Browser: id = IDI_BROWSER; break;
  }
  HICON icon = static_cast<HICON>(
      LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_ICON, size, size, 0));
  icons_.emplace_back(icon);
  return icon;
}

void DialogBody::MakeFonts() {
  for (int f = 0; f < 2; ++f)
    fonts_[f].reset(CreateFontW(-MulDiv(kPointsX100[f], dpi_, 7200), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                DEFAULT_PITCH | FF_DONTCARE, kFontFace));
}

void DialogBody::FitClient(HWND window, const DialogLayout& layout) {
  RECT rc{0, 0, layout.clientWidth, layout.clientHeight};
  AdjustWindowRectEx(&rc, static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE)));
  SetWindowPos(window, nullptr, 0, 0, rc.right - rc.left, rc.bottom - rc.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The help text is sized in twips, which the box draws at the screen's resolution: as much
// larger as the window's resolution is. Colours and emphasis stay as written.
void DialogBody::ScaleText(HWND box, DialogFont font) {
  CHARFORMAT2W cf{};
  cf.cbSize = sizeof cf;
  cf.dwMask = CFM_SIZE;
  cf.yHeight = MulDiv(kPointsX100[static_cast<int>(font)] * 20 / 100, dpi_, ScreenDpi());
  SendMessageW(box, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&cf));
}

void DialogBody::CreateControls(HWND window) {
  RegisterPictureBox();
  icons_.clear();
  const int dpi = WindowDpi(window);
  const bool otherScreen = dpi != dpi_;
  dpi_ = dpi;
  const DialogLayout layout = LayOutDialog(desc_, dpi_);
  if (otherScreen) FitClient(window, layout);  // made where the resolution is not the system's
  MakeFonts();
  if (desc_.icon != Picture::None) {
    SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(PictureFor(desc_.icon, 16)));
    // The chat picture is drawn at 16 x 16 only; the program's icon is the same picture at 32.
    const Picture big = desc_.icon == Picture::Chat ? Picture::Program : desc_.icon;
    SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(PictureFor(big, 32)));
  }
  controls_.assign(desc_.controls.size(), nullptr);
  backgrounds_.clear();
  backgrounds_.resize(desc_.controls.size());
  looks_.assign(desc_.controls.size(), PictureLook{});
  for (std::size_t i = 0; i < desc_.controls.size(); ++i) CreateControl(window, i, layout.controls[i]);
}

void DialogBody::OnDpiChanged(HWND window, int dpi, const RECT* suggested) {
  if (dpi <= 0 || controls_.empty()) return;
  dpi_ = dpi;
  const ScopedFont old[2] = {std::move(fonts_[0]), std::move(fonts_[1])};  // until no control uses them
  MakeFonts();
  const DialogLayout layout = LayOutDialog(desc_, dpi_);
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    const PixelRect& r = layout.controls[i];
    SetWindowPos(controls_[i], nullptr, r.left, r.top, r.width, r.height, SWP_NOZORDER | SWP_NOACTIVATE);
    // WM_SETFONT would write the help text over in one plain face: only its size changes.
    if (desc_.controls[i].kind == DialogKind::RichText)
      ScaleText(controls_[i], desc_.controls[i].font);
    else
      SendMessageW(controls_[i], WM_SETFONT, reinterpret_cast<WPARAM>(FontFor(desc_.controls[i].font)), TRUE);
  }
  if (suggested)
    SetWindowPos(window, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                 suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
  InvalidateRect(window, nullptr, TRUE);
}

void DialogBody::CreateControl(HWND window, std::size_t index, const PixelRect& at) {
  const DialogControl& c = desc_.controls[index];
  HWND parent = c.container >= 0 ? controls_[c.container] : window;
  const int id = c.kind == DialogKind::Button ? kOkId : kFirstControlId + static_cast<int>(index);
  const wchar_t* cls = L"STATIC";
  const wchar_t* text = c.caption ? reinterpret_cast<const wchar_t*>(c.caption) : L"";
  DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, exStyle = 0;
  if (c.background) backgrounds_[index].reset(CreateSolidBrush(ToColorRef(*c.background)));

  switch (c.kind) {
    case DialogKind::Button: cls = L"BUTTON"; style |= BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP; break;
    case DialogKind::Label: style |= SS_LEFTNOWORDWRAP | SS_NOPREFIX; break;  // one line, clipped
    case DialogKind::Image: style |= SS_ICON; break;
    case DialogKind::Line: style |= SS_ETCHEDHORZ; break;
    case DialogKind::PictureBox:
      cls = kPictureBoxClass;
      style |= WS_CLIPCHILDREN;
      exStyle |= WS_EX_CONTROLPARENT;
      if (c.background) exStyle |= WS_EX_CLIENTEDGE;  // the help text's white sheet, sunken
      break;
    case DialogKind::RichText:
      cls = RICHEDIT_CLASSW;
      style |= ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL | WS_TABSTOP | ES_NOHIDESEL;
      exStyle |= WS_EX_CLIENTEDGE;
      break;
  }
  HWND h = CreateWindowExW(exStyle, cls, text, style, at.left, at.top, at.width, at.height, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
  controls_[index] = h;
  SendMessageW(h, WM_SETFONT, reinterpret_cast<WPARAM>(FontFor(c.font)), FALSE);
  switch (c.kind) {
    case DialogKind::Line:
      // The static control widens an etched line by its edge when made (seen under Wine).
      SetWindowPos(h, nullptr, 0, 0, at.width, at.height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
      break;
    case DialogKind::Image:
      SendMessageW(h, STM_SETICON, reinterpret_cast<WPARAM>(PictureFor(c.picture, 16)), 0);
      break;
    case DialogKind::PictureBox:
      looks_[index] = {PictureFor(c.picture, 32), backgrounds_[index].get()};
      SetWindowLongPtrW(h, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&looks_[index]));
      break;
    case DialogKind::RichText: {
      // The box's default font, which all of the help text is written in.
      CHARFORMAT2W cf{};
      cf.cbSize = sizeof cf;
      cf.dwMask = CFM_FACE | CFM_CHARSET;
      cf.bCharSet = SHIFTJIS_CHARSET;
      lstrcpynW(cf.szFaceName, kFontFace, LF_FACESIZE);
      SendMessageW(h, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&cf));
      ScaleText(h, c.font);
      break;
    }
    default: break;
  }
}

void DialogBody::Release() {
  // The picture boxes are gone with the window; their looks are no longer read.
  controls_.clear();
  looks_.clear();
  backgrounds_.clear();
  icons_.clear();
  for (ScopedFont& f : fonts_) f.reset();
  focusBeforeDeactivate_ = nullptr;
}

HWND DialogBody::Control(const char* name) const {
  for (std::size_t i = 0; i < controls_.size(); ++i)
    if (lstrcmpA(desc_.controls[i].name, name) == 0) return controls_[i];
  return nullptr;
}

LRESULT DialogBody::CtlColor(HDC dc, HWND control) const {
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    if (controls_[i] != control) continue;
    const DialogControl& c = desc_.controls[i];
    // A label takes its container's background.
    const std::size_t under = c.background || c.container < 0 ? i : static_cast<std::size_t>(c.container);
    HBRUSH brush = backgrounds_[under] ? backgrounds_[under].get() : GetSysColorBrush(COLOR_BTNFACE);
    const Colour* bg = desc_.controls[under].background ? &*desc_.controls[under].background : nullptr;
    SetBkColor(dc, bg ? ToColorRef(*bg) : GetSysColor(COLOR_BTNFACE));
    SetTextColor(dc, c.colour ? ToColorRef(*c.colour) : GetSysColor(COLOR_BTNTEXT));
    return reinterpret_cast<LRESULT>(brush);
  }
  return 0;
}

bool DialogBody::PreTranslate(HWND window, MSG& msg) {
  if (!window || (msg.hwnd != window && !IsChild(window, msg.hwnd))) return false;
  if (msg.message == WM_KEYDOWN && (msg.wParam == VK_RETURN || msg.wParam == VK_ESCAPE)) {
    const int command = msg.wParam == VK_RETURN ? IDOK : IDCANCEL;
    SendMessageW(window, WM_COMMAND, MAKEWPARAM(command, BN_CLICKED), 0);
    return true;
  }
  // Tab leaves the help text too, which as a multi-line box would keep it.
  if (msg.message == WM_KEYDOWN && msg.wParam == VK_TAB && !(GetKeyState(VK_CONTROL) & 0x8000)) {
    if (HWND next = GetNextDlgTabItem(window, GetFocus(), (GetKeyState(VK_SHIFT) & 0x8000) != 0)) SetFocus(next);
    return true;
  }
  if (msg.message == WM_CHAR && (msg.wParam == L'\t' || msg.wParam == L'\r' || msg.wParam == 0x1B)) return true;
  return IsDialogMessageW(window, &msg) != FALSE;
}

bool DialogBody::OnActivate(HWND window, WPARAM wp) {
  if (LOWORD(wp) == WA_INACTIVE) {
    focusBeforeDeactivate_ = GetFocus();
    return false;
  }
  HWND to = focusBeforeDeactivate_ && IsChild(window, focusBeforeDeactivate_) ? focusBeforeDeactivate_
                                                                             : Control("cmdOK");
  if (to) SetFocus(to);
  return to != nullptr;
}

}  // namespace sorelka::win32
