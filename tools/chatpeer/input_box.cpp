#include "input_box.h"

#include <algorithm>

#include "text_codec.h"

namespace {

constexpr int kMargin = 3;

}  // namespace

bool InputBox::RegisterClassOnce(const ClassName& name, bool ansi) {
  HINSTANCE inst = GetModuleHandleW(nullptr);
  if (ansi) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    if (GetClassInfoExA(inst, name.ansi, &wc)) return true;
    wc = WNDCLASSEXA{};
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = Procedure();
    wc.hInstance = inst;
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_IBEAM));
    wc.lpszClassName = name.ansi;
    return RegisterClassExA(&wc) != 0;
  }
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  if (GetClassInfoExW(inst, name.wide, &wc)) return true;
  wc = WNDCLASSEXW{};
  wc.cbSize = sizeof wc;
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = Procedure();
  wc.hInstance = inst;
  wc.hCursor = LoadCursorW(nullptr, IDC_IBEAM);
  wc.lpszClassName = name.wide;
  return RegisterClassExW(&wc) != 0;
}

HWND InputBox::Create(const ClassName& name, bool ansi, HWND parent, int id) {
  ansi_ = ansi;
  const DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
  HMENU menu = reinterpret_cast<HMENU>(static_cast<INT_PTR>(id));
  HINSTANCE inst = GetModuleHandleW(nullptr);
  if (ansi)
    CreateWindowExA(WS_EX_CLIENTEDGE, name.ansi, "", style, 0, 0, 10, 10, parent, menu, inst, this);
  else
    CreateWindowExW(WS_EX_CLIENTEDGE, name.wide, L"", style, 0, 0, 10, 10, parent, menu, inst,
                    this);
  return hwnd();
}

void InputBox::Clear() {
  text_.clear();
  caret_ = 0;
  Changed();
}

LRESULT InputBox::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_IME_CHAR: {
      const std::wstring ch = DecodeCharCode(wParam, ansi_);
      LogMessage("WM_IME_CHAR", wParam, lParam, &ch);
      ctx_.StallOnce();
      // A busy chat page takes its time over every character.
      if (ctx_.options.slowMs > 0) Sleep(ctx_.options.slowMs);
      TakeChar("WM_IME_CHAR", wParam, ch);
      return 0;
    }
    case WM_CHAR:
      LogMessage("WM_CHAR", wParam, lParam, nullptr);
      if (ansi_)
        TakeAnsiChar(wParam);
      else
        TakeChar("WM_CHAR", wParam, DecodeCharCode(wParam, false));
      return 0;
    case WM_KEYDOWN:
      LogMessage("WM_KEYDOWN", wParam, lParam, nullptr);
      switch (wParam) {
        case VK_LEFT:
          caret_ = caret_ ? caret_ - 1 : 0;
          break;
        case VK_RIGHT:
          caret_ = std::min(caret_ + 1, text_.size());
          break;
        case VK_HOME:
          caret_ = 0;
          break;
        case VK_END:
          caret_ = text_.size();
          break;
        case VK_DELETE:
          if (caret_ < text_.size()) text_.erase(caret_, 1);
          break;
        default:
          return 0;
      }
      Changed();
      return 0;
    case kSyncMessage:
      Sync();
      return 0;
    case WM_GETDLGCODE:
      return DLGC_WANTCHARS | DLGC_WANTARROWS;
    case WM_SETFONT:
      font_ = reinterpret_cast<HFONT>(wParam);
      if (LOWORD(lParam)) InvalidateRect(hwnd(), nullptr, TRUE);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(font_);
    case WM_SETTEXT: {
      // Let the system keep the window text, then take it back as this box's contents.
      LRESULT r = ansi_ ? DefWindowProcA(hwnd(), msg, wParam, lParam)
                        : DefWindowProcW(hwnd(), msg, wParam, lParam);
      const int n = GetWindowTextLengthW(hwnd());
      std::wstring s(n + 1, L'\0');
      GetWindowTextW(hwnd(), s.data(), n + 1);
      s.resize(lstrlenW(s.c_str()));
      text_ = s;
      caret_ = text_.size();
      Changed();
      return r;
    }
    case WM_LBUTTONDOWN:
      SetFocus(hwnd());
      caret_ = CharAtX(static_cast<short>(LOWORD(lParam)));
      Changed();
      return 0;
    case WM_SETFOCUS:
      CreateCaret(hwnd(), nullptr, 1, LineHeight());
      PlaceCaret();
      ShowCaret(hwnd());
      return 0;
    case WM_KILLFOCUS:
      DestroyCaret();
      return 0;
    case WM_SIZE:
      Changed();
      return 0;
    case WM_ERASEBKGND:
      return 1;  // WM_PAINT fills everything; erasing first would only flicker
    case WM_PAINT:
      Paint();
      return 0;
  }
  return ansi_ ? DefWindowProcA(hwnd(), msg, wParam, lParam)
               : DefWindowProcW(hwnd(), msg, wParam, lParam);
}

void InputBox::LogMessage(const char* name, WPARAM wParam, LPARAM lParam, const std::wstring* ch) {
  JsonLine line(role_, name);
  line.Index(index_).Window(hwnd()).Hex("wParam", wParam).Hex("lParam", lParam);
  if (ch) line.Text("char", *ch);
  ctx_.log.Write(line);
}

void InputBox::TakeChar(const char* via, WPARAM code, const std::wstring& ch) {
  const wchar_t c = ch.empty() ? 0 : ch[0];
  if (c == L'\r') {
    // Enter sends, as in the chat front ends; the owner decides what sending means.
    if (onEnter_) onEnter_(via, code);
    return;
  }
  if (c == L'\b') {
    if (caret_ > 0) {
      text_.erase(--caret_, 1);
      Changed();
    }
    return;
  }
  if (ch.empty() || c < L' ') return;  // a one-line box has no place for other controls
  Insert(ch);
}

void InputBox::TakeAnsiChar(WPARAM code) {
  const char low = static_cast<char>(code & 0xFF);
  const char high = static_cast<char>((code >> 8) & 0xFF);
  if (pendingLead_) {
    const char bytes[2] = {pendingLead_, low};
    pendingLead_ = 0;
    const WPARAM joined = (static_cast<BYTE>(bytes[0]) << 8) | static_cast<BYTE>(bytes[1]);
    TakeChar("WM_CHAR", joined, DecodeCharCode(joined, true));
    return;
  }
  if (IsDBCSLeadByteEx(932, static_cast<BYTE>(low))) {
    if (!high) {
      // Keyboard input reaches an ANSI window as two WM_CHARs, lead byte first.
      pendingLead_ = low;
      return;
    }
    const WPARAM joined = (static_cast<BYTE>(low) << 8) | static_cast<BYTE>(high);
    TakeChar("WM_CHAR", joined, DecodeCharCode(joined, true));
    return;
  }
  TakeChar("WM_CHAR", code, DecodeCharCode(static_cast<BYTE>(low), true));
}

void InputBox::Insert(const std::wstring& s) {
  text_.insert(caret_, s);
  caret_ += s.size();
  Changed();
}

void InputBox::Changed() {
  // A burst of posted characters is mirrored and drawn once, after the burst: doing it per
  // character costs time in the length of the text, and a 20,000-character line then crawls.
  if (!hwnd() || syncPosted_) return;
  syncPosted_ = true;
  PostMessageW(hwnd(), kSyncMessage, 0, 0);
}

void InputBox::Sync() {
  syncPosted_ = false;
  if (!hwnd()) return;
  // Mirror the contents into the window text so GetWindowText/WM_GETTEXT read them.
  DefWindowProcW(hwnd(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text_.c_str()));
  RECT rc;
  GetClientRect(hwnd(), &rc);
  const int visible = std::max(1, static_cast<int>(rc.right) - 2 * kMargin);
  const int caretX = TextWidth(caret_);
  if (caretX - scrollX_ > visible) scrollX_ = caretX - visible;
  if (caretX < scrollX_) scrollX_ = caretX;
  PlaceCaret();
  InvalidateRect(hwnd(), nullptr, FALSE);
}

int InputBox::TextWidth(size_t chars) const {
  if (!hwnd() || chars == 0) return 0;
  sorelka::win32::WindowDc dc(hwnd());
  sorelka::win32::Selection font(dc.get(), font_ ? font_ : ctx_.UiFont());
  SIZE size{};
  GetTextExtentPoint32W(dc.get(), text_.c_str(), static_cast<int>(std::min(chars, text_.size())),
                        &size);
  return size.cx;
}

int InputBox::LineHeight() const {
  sorelka::win32::WindowDc dc(hwnd());
  sorelka::win32::Selection font(dc.get(), font_ ? font_ : ctx_.UiFont());
  TEXTMETRICW tm{};
  GetTextMetricsW(dc.get(), &tm);
  return tm.tmHeight;
}

void InputBox::PlaceCaret() {
  if (GetFocus() != hwnd()) return;
  RECT rc;
  GetClientRect(hwnd(), &rc);
  const int top = std::max(0, (static_cast<int>(rc.bottom) - LineHeight()) / 2);
  SetCaretPos(kMargin + TextWidth(caret_) - scrollX_, top);
}

size_t InputBox::CharAtX(int x) const {
  const int target = x - kMargin + scrollX_;
  for (size_t i = 1; i <= text_.size(); ++i) {
    const int before = TextWidth(i - 1);
    const int after = TextWidth(i);
    if (target < (before + after) / 2) return i - 1;
  }
  return text_.size();
}

void InputBox::Paint() {
  sorelka::win32::PaintScope paint(hwnd());
  HDC dc = paint.dc();
  RECT rc;
  GetClientRect(hwnd(), &rc);
  FillRect(dc, &rc, GetSysColorBrush(COLOR_WINDOW));
  sorelka::win32::Selection font(dc, font_ ? font_ : ctx_.UiFont());
  TEXTMETRICW tm{};
  GetTextMetricsW(dc, &tm);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  const int top = std::max(0, (static_cast<int>(rc.bottom) - static_cast<int>(tm.tmHeight)) / 2);
  ExtTextOutW(dc, kMargin - scrollX_, top, ETO_CLIPPED, &rc, text_.c_str(),
              static_cast<UINT>(text_.size()), nullptr);
}
