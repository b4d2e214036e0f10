#include "dialog_body.h"
#include "shell_namespace.h"

#include <richedit.h>

#include "resource_ids.h"
#include "resources.h"
#include "win32/dynamic_api.h"

namespace sorelka::shell {

DialogBody::DialogBody(DialogDesc<int> desc, int firstId) : desc_(std::move(desc)), firstId_(firstId) {
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

// A row of the window's table as the builder makes it: the OK button answers to IDOK, and a
// picture box holds its picture on its background.
ControlArgs DialogBody::ArgsFor(std::size_t index) {
  const ControlRow<int>& c = desc_.controls[index];
  if (c.extras.background) backgrounds_[index].reset(CreateSolidBrush(ToColorRef(*c.extras.background)));
  const int id = c.extras.isDefault ? kOkId : firstId_ + static_cast<int>(index);
  ControlArgs args = ArgsOf(c, index ? &desc_.controls[index - 1] : nullptr, id);
  if (c.kind == Kind::PictureBox) {
    if (c.extras.background) args.kind.exStyle |= WS_EX_CLIENTEDGE;  // the help text's white sheet, sunken
    boxes_.push_back(std::make_unique<PictureBox>(PictureFor(c.extras.picture, 32), backgrounds_[index].get()));
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
  for (std::size_t i = 0; i < n; ++i) args_.push_back(ArgsFor(i));
  controls_.assign(n, nullptr);
  if (!BuildControls(window, args_, layout.controls, fonts_, controls_)) return false;
  const SetUpNeeds needs{dpi_, [this](Picture p, int px) { return PictureFor(p, px); }};
  for (std::size_t i = 0; i < n; ++i)
    if (!SetUpControl(desc_.controls[i], controls_[i], layout.controls[i], needs)) return false;
  return true;
}

void DialogBody::OnDpiChanged(HWND window, int dpi, const RECT* suggested) {
  if (dpi <= 0 || controls_.empty()) return;
  dpi_ = dpi;
  const FontSet::Fonts old = fonts_.Rescale(dpi);  // until no control uses them
  const DialogLayout layout = LayOutDialog(desc_, dpi_);
  // WM_SETFONT would write the help text over in one plain face: only its size changes.
  const auto isRichText = [this](std::size_t i) { return desc_.controls[i].kind == Kind::RichText; };
  PlaceControls(args_, controls_, layout.controls, fonts_, isRichText);
  for (std::size_t i = 0; i < controls_.size(); ++i)
    if (isRichText(i)) ScaleRichText(controls_[i], desc_.controls[i].font, dpi_);
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

HWND DialogBody::DefaultButton() const {
  for (std::size_t i = 0; i < controls_.size(); ++i)
    if (desc_.controls[i].extras.isDefault) return controls_[i];
  return nullptr;
}

LRESULT DialogBody::CtlColor(HDC dc, HWND control) const {
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    if (controls_[i] != control) continue;
    const ControlRow<int>& c = desc_.controls[i];
    // A label takes its container's background.
    const std::size_t under = c.extras.background || !c.container ? i : static_cast<std::size_t>(*c.container);
    return ColourControl(dc, control, WM_CTLCOLORSTATIC, c.colour, false, desc_.controls[under].extras.background,
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
  HWND to = saved && IsChild(window, saved) ? saved : DefaultButton();
  if (to) SetFocus(to);
  return to != nullptr;
}

}  // namespace sorelka::shell
