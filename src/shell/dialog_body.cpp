#include "dialog_body.h"

#include <richedit.h>

#include "resource_ids.h"
#include "resources.h"
#include "win32/dynamic_api.h"

namespace sorelka::win32 {

namespace {

constexpr int kFirstControlId = 100;  // other controls: 100 + their place in the table

// The dialogs' two fonts in the program's one table.
Font FontOf(DialogFont f) { return f == DialogFont::Small ? Font::MsPGothic8 : Font::WindowDefault; }

}  // namespace

DialogBody::DialogBody(const DialogDesc& desc) : desc_(desc) {
  keys_.tab = [this](bool forward) {
    if (HWND next = GetNextDlgTabItem(window_, GetFocus(), !forward)) SetFocus(next);
  };
  keys_.enter = [this] { SendMessageW(window_, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0); };
  keys_.escape = [this] {
    SendMessageW(window_, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    return true;
  };
  keys_.swallowEscapeChar = true;
}

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

// The help text is sized in twips, which the box draws at the screen's resolution: as much
// larger as the window's resolution is. Colours and emphasis stay as written.
void DialogBody::ScaleText(HWND box, Font font) {
  CHARFORMAT2W cf{};
  cf.cbSize = sizeof cf;
  cf.dwMask = CFM_SIZE;
  cf.yHeight = MulDiv(FaceOf(font).pointsX100 * 20 / 100, dpi_, ScreenDpi());
  SendMessageW(box, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&cf));
}

// The dialogs' adapter to the builder: a row of their table as the ControlArgs it is made from.
ControlArgs DialogBody::ArgsOf(std::size_t index) {
  const DialogControl& c = desc_.controls[index];
  Win32Kind kind = Win32KindOf(c.kind);
  kind.style |= WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
  if (c.background) backgrounds_[index].reset(CreateSolidBrush(ToColorRef(*c.background)));
  const int id = c.kind == DialogKind::Button ? kOkId : kFirstControlId + static_cast<int>(index);
  ControlArgs args{id, kind, c.caption ? W(c.caption) : L"", c.container, FontOf(c.font)};
  if (c.kind == DialogKind::PictureBox) {
    if (c.background) args.kind.exStyle |= WS_EX_CLIENTEDGE;  // the help text's white sheet, sunken
    boxes_.push_back(std::make_unique<PictureBox>(PictureFor(c.picture, 32), backgrounds_[index].get()));
    args.registerClass = &PictureBox::Register;
    args.object = boxes_.back().get();
  }
  return args;
}

bool DialogBody::CreateControls(HWND window) {
  window_ = window;
  icons_.clear();
  const int dpi = WindowDpi(window);
  const bool otherScreen = dpi != dpi_;
  dpi_ = dpi;
  const DialogLayout layout = LayOutDialog(desc_, dpi_);
  // Made where the resolution is not the system's.
  if (otherScreen) FitClient(window, layout.clientWidth, layout.clientHeight);
  (void)fonts_.Rescale(dpi_);
  if (desc_.icon != Picture::None) {
    SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(PictureFor(desc_.icon, 16)));
    // The chat picture is drawn at 16 x 16 only; the program's icon is the same picture at 32.
    const Picture big = desc_.icon == Picture::Chat ? Picture::Program : desc_.icon;
    SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(PictureFor(big, 32)));
  }
  const std::size_t n = desc_.controls.size();
  backgrounds_.clear();
  backgrounds_.resize(n);
  boxes_.clear();
  args_.clear();
  for (std::size_t i = 0; i < n; ++i) args_.push_back(ArgsOf(i));
  controls_.assign(n, nullptr);
  if (!BuildControls(window, args_, layout.controls, fonts_, controls_)) return false;
  for (std::size_t i = 0; i < n; ++i) SetUp(i, layout.controls[i]);
  return true;
}

// What a control needs beyond its class, styles and font.
void DialogBody::SetUp(std::size_t index, const PixelRect& at) {
  const DialogControl& c = desc_.controls[index];
  HWND h = controls_[index];
  switch (c.kind) {
    case DialogKind::Line:
      // The static control widens an etched line by its edge when made (seen under Wine).
      SetWindowPos(h, nullptr, 0, 0, at.width, at.height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
      break;
    case DialogKind::Image:
      SendMessageW(h, STM_SETICON, reinterpret_cast<WPARAM>(PictureFor(c.picture, 16)), 0);
      break;
    case DialogKind::RichText: {
      // The box's default font, which all of the help text is written in.
      CHARFORMAT2W cf{};
      cf.cbSize = sizeof cf;
      cf.dwMask = CFM_FACE | CFM_CHARSET;
      cf.bCharSet = SHIFTJIS_CHARSET;
      lstrcpynW(cf.szFaceName, FaceOf(FontOf(c.font)).face, LF_FACESIZE);
      SendMessageW(h, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&cf));
      ScaleText(h, FontOf(c.font));
      break;
    }
    default: break;
  }
}

void DialogBody::OnDpiChanged(HWND window, int dpi, const RECT* suggested) {
  if (dpi <= 0 || controls_.empty()) return;
  dpi_ = dpi;
  const FontSet::Fonts old = fonts_.Rescale(dpi);  // until no control uses them
  const DialogLayout layout = LayOutDialog(desc_, dpi_);
  // WM_SETFONT would write the help text over in one plain face: only its size changes.
  const auto isRichText = [this](std::size_t i) { return desc_.controls[i].kind == DialogKind::RichText; };
  PlaceControls(args_, controls_, layout.controls, fonts_, isRichText);
  for (std::size_t i = 0; i < controls_.size(); ++i)
    if (isRichText(i)) ScaleText(controls_[i], FontOf(desc_.controls[i].font));
  FrameAfterDpiChange(window, suggested, layout.clientWidth, layout.clientHeight);
  InvalidateRect(window, nullptr, TRUE);
}

void DialogBody::Release() {
  // The controls are gone with the window; their pictures, brushes and fonts go too.
  controls_.clear();
  args_.clear();
  boxes_.clear();
  backgrounds_.clear();
  icons_.clear();
  fonts_.Clear();
  focus_.Clear();
  window_ = nullptr;
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
    return ColourControl(dc, control, WM_CTLCOLORSTATIC, c.colour, false, desc_.controls[under].background,
                         backgrounds_[under].get());
  }
  return 0;
}

bool DialogBody::OnActivate(HWND window, WPARAM wp) {
  if (LOWORD(wp) == WA_INACTIVE) {
    focus_.Deactivated();
    return false;
  }
  const HWND saved = focus_.Saved();
  HWND to = saved && IsChild(window, saved) ? saved : Control("cmdOK");
  if (to) SetFocus(to);
  return to != nullptr;
}

}  // namespace sorelka::win32
