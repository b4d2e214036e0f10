#include <windows.h>
#include <commctrl.h>

#include "slider_tip.h"

namespace sorelka::win32 {

TOOLINFOW SliderTip::Tool(const wchar_t* text) const {
  TOOLINFOW ti{};
  ti.cbSize = sizeof ti;
  ti.uFlags = TTF_TRACK | TTF_ABSOLUTE;
  ti.hwnd = slider_;
  ti.uId = 1;
  ti.lpszText = const_cast<wchar_t*>(text);
  return ti;
}

void SliderTip::Create(HWND slider) {
  slider_ = slider;
  // No parent and no owner: see the header.
  tip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                         CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                         GetModuleHandleW(nullptr), nullptr);
  if (!tip_) return;
  TOOLINFOW ti = Tool(L"");
  SendMessageW(tip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
}

void SliderTip::Destroy() {
  if (tip_) DestroyWindow(tip_);
  tip_ = nullptr;
  shown_ = false;
}

void SliderTip::Show(const std::wstring& text) {
  if (!tip_) return;
  RECT thumb{};
  SendMessageW(slider_, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
  POINT at{thumb.left, thumb.top};
  ClientToScreen(slider_, &at);
  TOOLINFOW ti = Tool(text.c_str());
  SendMessageW(tip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&ti));
  // Above the thumb, so the pointer does not cover it.
  SendMessageW(tip_, TTM_TRACKPOSITION, 0, MAKELPARAM(at.x, at.y - GetSystemMetrics(SM_CYMENU)));
  if (!shown_) SendMessageW(tip_, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&ti));
  shown_ = true;
}

void SliderTip::SetText(const std::wstring& text) {
  if (!tip_ || !shown_) return;
  TOOLINFOW ti = Tool(text.c_str());
  SendMessageW(tip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&ti));
}

void SliderTip::Hide() {
  if (!tip_ || !shown_) return;
  TOOLINFOW ti = Tool(L"");
  SendMessageW(tip_, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&ti));
  shown_ = false;
}

}  // namespace sorelka::win32
