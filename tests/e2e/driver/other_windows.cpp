#include "other_windows.h"

#include <tlhelp32.h>

#include <cwctype>

#include "json.h"

namespace e2e {

namespace {

constexpr DWORD kPollMs = 5;
constexpr DWORD kCloseTimeoutMs = 5000;
constexpr int kMessageTextId = 0xFFFF;  // the static holding a message box's text

bool Timeout(const Args& a, size_t at, DWORD& ms) {
  long long v = 0;
  if (a.size() <= at || !ParseInt(a[at], v) || v < 0) return false;
  ms = static_cast<DWORD>(v);
  return true;
}

// Message boxes and dialogs are top-level windows of the dialog class, found by title.
HWND VisibleBox(const std::wstring& title) {
  HWND w = FindWindowW(L"#32770", title.c_str());
  return w && IsWindowVisible(w) ? w : nullptr;
}

HWND WaitBox(const std::wstring& title, DWORD timeoutMs) {
  DWORD start = Now();
  for (;;) {
    if (HWND w = VisibleBox(title)) return w;
    if (Now() - start >= timeoutMs) return nullptr;
    Sleep(kPollMs);
  }
}

}  // namespace

// box TITLE MS: waits for a message box titled TITLE; its text and buttons.
int Box(const Target&, const Args& a) {
  DWORD timeout = 0;
  if (a.size() != 2 || !Timeout(a, 1, timeout)) return Fail("usage: box TITLE TIMEOUT_MS");
  DWORD start = Now();
  HWND box = WaitBox(a[0], timeout);
  Json j;
  j.Begin().Key("ok").Bool(box != nullptr).Key("elapsed_ms").Int(Now() - start);
  if (box) {
    DWORD pid = 0;
    GetWindowThreadProcessId(box, &pid);
    HWND text = GetDlgItem(box, kMessageTextId);
    j.Key("hwnd").Int(HandleValue(box)).Key("pid").Int(pid).Key("title").Str(TextOf(box));
    j.Key("text").Str(text ? TextOf(text) : std::wstring());
    j.Key("foreground").Int(HandleValue(GetForegroundWindow()));
    j.Key("buttons").BeginArray();
    for (HWND c : Descendants(box)) {
      if (lstrcmpiW(ClassOf(c).c_str(), L"Button") != 0) continue;
      j.Begin().Key("id").Int(GetDlgCtrlID(c)).Key("text").Str(TextOf(c)).End();
    }
    j.EndArray();
  }
  j.End().Print();
  return box ? 0 : 1;
}

// answer TITLE ID: clicks the button ID of the message box titled TITLE (posted, as a user's
// click would come) and waits for the box to close.
int Answer(const Target&, const Args& a) {
  long long id = 0;
  if (a.size() != 2 || !ParseInt(a[1], id)) return Fail("usage: answer TITLE BUTTON_ID");
  HWND box = WaitBox(a[0], kCloseTimeoutMs);
  if (!box) return Fail("message box not found");
  HWND button = GetDlgItem(box, static_cast<int>(id));
  if (!button) return Fail("the message box has no such button");
  PostMessageW(button, BM_CLICK, 0, 0);
  DWORD start = Now();
  bool closed = false;
  for (;;) {
    closed = !IsWindow(box) || !IsWindowVisible(box);
    if (closed || Now() - start >= kCloseTimeoutMs) break;
    Sleep(kPollMs);
  }
  Json j;
  j.Begin().Key("ok").Bool(closed).Key("closed_after_ms").Int(Now() - start).End().Print();
  return closed ? 0 : 1;
}

// text HWND: WM_GETTEXT of any window, e.g. another program's input box.
int Text(const Target&, const Args& a) {
  HWND w = a.size() == 1 ? ParseHandle(a[0]) : nullptr;
  if (!w || !IsWindow(w)) return Fail("usage: text HWND (window not found)");
  Json j;
  j.Begin().Key("ok").Bool(true).Key("text").Str(TextOf(w)).Key("class").Str(ClassOf(w)).End()
      .Print();
  return 0;
}

// rect [ID]: a control of the main window in screen coordinates, for real clicks; without
// an ID, the window itself (with --hwnd, any window, such as a chat's input box).
int ScreenRect(const Target& t, const Args& a) {
  long long id = 0;
  HWND main = FindMain(t);
  if (!main || a.size() > 1 || (a.size() == 1 && !ParseInt(a[0], id))) return Fail("usage: rect [ID]");
  HWND c = a.empty() ? main : ControlById(main, static_cast<int>(id));
  if (!c) return Fail("control not found");
  RECT r{};
  GetWindowRect(c, &r);
  Json j;
  j.Begin().Key("ok").Bool(true).Key("rect").BeginArray().Int(r.left).Int(r.top)
      .Int(r.right - r.left).Int(r.bottom - r.top).EndArray().End().Print();
  return 0;
}

// modules PID: the file names of the libraries process PID has loaded, in lower case.
int Modules(const Target&, const Args& a) {
  long long pid = 0;
  if (a.size() != 1 || !ParseInt(a[0], pid) || pid <= 0) return Fail("usage: modules PID");
  HANDLE snap = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, static_cast<DWORD>(pid));
  if (snap == INVALID_HANDLE_VALUE) return Fail("no snapshot of the process");
  MODULEENTRY32W m{};
  m.dwSize = sizeof m;
  Json j;
  j.Begin().Key("ok").Bool(true).Key("modules").BeginArray();
  for (BOOL more = Module32FirstW(snap, &m); more; more = Module32NextW(snap, &m)) {
    std::wstring name = m.szModule;
    for (wchar_t& ch : name) ch = static_cast<wchar_t>(std::towlower(ch));
    j.Str(name);
  }
  CloseHandle(snap);
  j.EndArray().End().Print();
  return 0;
}

}  // namespace e2e
