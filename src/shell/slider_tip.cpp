#include <windows.h>
#include "shell_namespace.h"
#include <commctrl.h>

#include "slider_tip.h"

#include <utility>

#include "resources.h"

namespace sorelka::shell {

TOOLINFOW SliderTip::Tool(const wchar_t* text) const {
  TOOLINFOW ti{};
  ti.cbSize = sizeof ti;
  ti.uFlags = TTF_TRACK | TTF_ABSOLUTE;
  ti.hwnd = slider_;
  ti.uId = 1;
  ti.lpszText = const_cast<wchar_t*>(text);
  return ti;
}

void SliderTip::Attach(HWND slider) {
  slider_ = slider;
  systemDpi_ = dpi_ = ScreenDpi();
}

// Most runs never move the slider: the tooltip is made when the thumb first moves.
bool SliderTip::MakeWindow() {
  if (tip_) return true;
  if (!slider_) return false;
  // No parent and no owner: see the header.
  tip_.reset(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                             GetModuleHandleW(nullptr), nullptr));
  if (!tip_) return false;
  TOOLINFOW ti = Tool(L"");
  SendMessageW(tip_.get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
  ApplyDpi();
  return true;
}

void SliderTip::Destroy() {
  tip_.reset();
  shown_ = false;
  font_.reset();
}

void SliderTip::SetDpi(int dpi) {
  dpi_ = dpi;
  ApplyDpi();
}

void SliderTip::ApplyDpi() {
  if (!tip_ || (dpi_ == systemDpi_ && !font_)) return;
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) return;
  LOGFONTW look = metrics.lfStatusFont;  // the tooltips' font
  look.lfHeight = MulDiv(look.lfHeight, dpi_, systemDpi_);
  ScopedFont font(CreateFontIndirectW(&look));
  if (!font) return;
  SendMessageW(tip_.get(), WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
  font_ = std::move(font);  // the one it had goes once the tip no longer uses it
}

void SliderTip::Show(const std::wstring& text) {
  if (!MakeWindow()) return;
  RECT thumb{};
  SendMessageW(slider_, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
  POINT at{thumb.left, thumb.top};
  ClientToScreen(slider_, &at);
  TOOLINFOW ti = Tool(text.c_str());
  SendMessageW(tip_.get(), TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&ti));
  // Above the thumb, so the pointer does not cover it. Setting the place also redraws the tip
  // in its new text: Wine redraws a tracking tip on no TTM_UPDATETIPTEXTW.
  SendMessageW(tip_.get(), TTM_TRACKPOSITION, 0, MAKELPARAM(at.x, at.y - MulDiv(GetSystemMetrics(SM_CYMENU), dpi_, systemDpi_)));
  if (!shown_) SendMessageW(tip_.get(), TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&ti));
  shown_ = true;
}

void SliderTip::Hide() {
  if (!tip_ || !shown_) return;
  TOOLINFOW ti = Tool(L"");
  SendMessageW(tip_.get(), TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&ti));
  shown_ = false;
}

}  // namespace sorelka::shell
