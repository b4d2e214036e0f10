#include "target.h"

namespace e2e {

namespace {
constexpr DWORD kPollMs = 5;
}

HWND FindMain(const Target& target) {
  if (target.hwnd) return IsWindow(target.hwnd) ? target.hwnd : nullptr;
  return FindWindowW(target.className.c_str(), nullptr);
}

HWND WaitForMain(const Target& target, DWORD timeoutMs) {
  DWORD start = Now();
  for (;;) {
    HWND w = FindMain(target);
    if (w && IsWindowVisible(w)) return w;
    if (Now() - start >= timeoutMs) return w;
    Sleep(kPollMs);
  }
}

bool ParseInt(const std::wstring& text, long long& value) {
  if (text.empty()) return false;
  wchar_t* end = nullptr;
  value = wcstoll(text.c_str(), &end, 0);
  return end && *end == L'\0';
}

HWND ParseHandle(const std::wstring& text) {
  long long v = 0;
  if (!ParseInt(text, v) || v == 0) return nullptr;
  return reinterpret_cast<HWND>(static_cast<INT_PTR>(v));
}

std::wstring ClassOf(HWND w) {
  wchar_t buf[256] = {};
  int n = GetClassNameW(w, buf, 256);
  return std::wstring(buf, n > 0 ? n : 0);
}

LRESULT SendWithTimeout(HWND w, UINT msg, WPARAM wp, LPARAM lp, bool* ok) {
  DWORD_PTR result = 0;
  bool sent = SendMessageTimeoutW(w, msg, wp, lp, SMTO_ABORTIFHUNG, 2000, &result) != 0;
  if (ok) *ok = sent;
  return sent ? static_cast<LRESULT>(result) : 0;
}

// The length and the text are two calls: a text the program rewrites between them (a timer's
// label) would come back cut to the old length, so it is read again until the two agree.
std::wstring TextOf(HWND w) {
  std::wstring text;
  for (int attempt = 0; attempt < 5; ++attempt) {
    LRESULT length = SendWithTimeout(w, WM_GETTEXTLENGTH, 0, 0);
    if (length <= 0) return {};
    text.assign(static_cast<size_t>(length) + 1, L'\0');
    LRESULT got = SendWithTimeout(w, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(got > 0 && static_cast<size_t>(got) < text.size() ? got : 0);
    if (SendWithTimeout(w, WM_GETTEXTLENGTH, 0, 0) == got) break;
  }
  return text;
}

namespace {
void Collect(HWND parent, std::vector<HWND>& out) {
  // Direct children only, then recurse, so the order is parents first.
  for (HWND c = GetWindow(parent, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
    out.push_back(c);
    Collect(c, out);
  }
}
}  // namespace

std::vector<HWND> Descendants(HWND top) {
  std::vector<HWND> all;
  Collect(top, all);
  return all;
}

HWND ControlById(HWND top, int id) {
  for (HWND w : Descendants(top))
    if (GetDlgCtrlID(w) == id) return w;
  return nullptr;
}

HWND FocusOf(HWND top) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  DWORD thread = GetWindowThreadProcessId(top, nullptr);
  if (!GetGUIThreadInfo(thread, &info)) return nullptr;
  return info.hwndFocus;
}

}  // namespace e2e
