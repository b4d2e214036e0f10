#include "aux_windows.h"

#include <richedit.h>

#include "json.h"
#include "remote_status.h"

namespace e2e {

namespace {

constexpr DWORD kPollMs = 5;

bool Number(const Args& a, size_t at, long long& v) { return a.size() > at && ParseInt(a[at], v); }

// The top-level windows of `className` (of process `pid`, unless 0), visible or not.
std::vector<HWND> TopWindows(const std::wstring& className, DWORD pid) {
  std::vector<HWND> found;
  for (HWND w = FindWindowExW(nullptr, nullptr, className.c_str(), nullptr); w;
       w = FindWindowExW(nullptr, w, className.c_str(), nullptr)) {
    DWORD owner = 0;
    GetWindowThreadProcessId(w, &owner);
    if (pid == 0 || owner == pid) found.push_back(w);
  }
  return found;
}

struct Handle {
  HANDLE h;
  explicit Handle(HANDLE handle) : h(handle) {}
  ~Handle() { if (h) CloseHandle(h); }
};

}  // namespace

// top CLASS PID MS: waits for a visible top-level window of CLASS of process PID (0: any)
// and describes it with every descendant control.
int Top(const Target&, const Args& a) {
  long long pid = 0, timeout = 0;
  if (a.size() != 3 || !Number(a, 1, pid) || !Number(a, 2, timeout)) return Fail("usage: top CLASS PID MS");
  DWORD start = Now();
  std::vector<HWND> all;
  HWND w = nullptr;
  for (;;) {
    all = TopWindows(a[0], static_cast<DWORD>(pid));
    for (HWND h : all)
      if (IsWindowVisible(h)) w = h;
    if (w || Now() - start >= static_cast<DWORD>(timeout)) break;
    Sleep(kPollMs);
  }
  Json j;
  j.Begin().Key("ok").Bool(w != nullptr).Key("count").Int(static_cast<long long>(all.size()));
  if (w) {
    LONG style = GetWindowLongW(w, GWL_STYLE), ex = GetWindowLongW(w, GWL_EXSTYLE);
    RECT client{};
    GetClientRect(w, &client);
    HDC screen = GetDC(nullptr);
    int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(w, nullptr), &info);
    j.Key("hwnd").Int(HandleValue(w)).Key("caption").Str(TextOf(w)).Key("dpi").Int(dpi);
    RECT outer{};
    GetWindowRect(w, &outer);
    j.Key("client").BeginArray().Int(client.right).Int(client.bottom).EndArray();
    j.Key("window").BeginArray().Int(outer.left).Int(outer.top).Int(outer.right - outer.left)
        .Int(outer.bottom - outer.top).EndArray();
    j.Key("style").Int(static_cast<DWORD>(style)).Key("exstyle").Int(static_cast<DWORD>(ex));
    j.Key("topmost").Bool(ex & WS_EX_TOPMOST).Key("owner").Int(HandleValue(GetWindow(w, GW_OWNER)));
    j.Key("sizable").Bool(style & WS_THICKFRAME).Key("minimizebox").Bool(style & WS_MINIMIZEBOX);
    j.Key("maximizebox").Bool(style & WS_MAXIMIZEBOX);
    int z = 0;  // place in the Z order of top-level windows, 0 the front
    for (HWND above = GetTopWindow(nullptr); above && above != w; above = GetWindow(above, GW_HWNDNEXT)) ++z;
    j.Key("z").Int(z);
    j.Key("foreground").Int(HandleValue(GetForegroundWindow()));
    j.Key("focus").Int(info.hwndFocus ? GetDlgCtrlID(info.hwndFocus) : -1);
    j.Key("controls").BeginArray();
    for (HWND c : Descendants(w)) {
      HWND parent = GetParent(c);
      RECT r{};
      GetWindowRect(c, &r);
      MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
      j.Begin().Key("id").Int(GetDlgCtrlID(c)).Key("hwnd").Int(HandleValue(c)).Key("class").Str(ClassOf(c));
      j.Key("text").Str(TextOf(c)).Key("style").Int(static_cast<DWORD>(GetWindowLongW(c, GWL_STYLE)));
      j.Key("rect").BeginArray().Int(r.left).Int(r.top).Int(r.right - r.left).Int(r.bottom - r.top).EndArray();
      j.Key("parent").Int(parent == w ? 0 : GetDlgCtrlID(parent));
      j.End();
    }
    j.EndArray();
  }
  j.End().Print();
  return w ? 0 : 1;
}

// wait-none CLASS PID MS: waits until process PID has no window of CLASS.
int WaitNone(const Target&, const Args& a) {
  long long pid = 0, timeout = 0;
  if (a.size() != 3 || !Number(a, 1, pid) || !Number(a, 2, timeout)) return Fail("usage: wait-none CLASS PID MS");
  DWORD start = Now();
  size_t left = 0;
  for (;;) {
    left = TopWindows(a[0], static_cast<DWORD>(pid)).size();
    if (left == 0 || Now() - start >= static_cast<DWORD>(timeout)) break;
    Sleep(kPollMs);
  }
  Json j;
  j.Begin().Key("ok").Bool(left == 0).Key("count").Int(static_cast<long long>(left)).End().Print();
  return left == 0 ? 0 : 1;
}

// post HWND MSG WPARAM LPARAM: PostMessageW, e.g. a menu command or WM_SYSCOMMAND SC_CLOSE.
int Post(const Target&, const Args& a) {
  long long msg = 0, wp = 0, lp = 0;
  HWND w = a.size() == 4 ? ParseHandle(a[0]) : nullptr;
  if (!w || !Number(a, 1, msg) || !Number(a, 2, wp) || !Number(a, 3, lp))
    return Fail("usage: post HWND MSG WPARAM LPARAM");
  bool posted = PostMessageW(w, static_cast<UINT>(msg), static_cast<WPARAM>(wp), static_cast<LPARAM>(lp));
  Json j;
  j.Begin().Key("ok").Bool(posted).End().Print();
  return posted ? 0 : 1;
}

// rich HWND: the text of a rich edit control in runs of equal colour and boldness, read one
// character at a time through its selection (the structures live in the program's process).
int Rich(const Target&, const Args& a) {
  HWND box = a.size() == 1 ? ParseHandle(a[0]) : nullptr;
  if (!box || !IsWindow(box)) return Fail("usage: rich HWND");
  DWORD pid = 0;
  GetWindowThreadProcessId(box, &pid);
  Handle process(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE | PROCESS_QUERY_INFORMATION,
                             FALSE, pid));
  if (!process.h) return Fail("the program's process could not be opened");
  RemoteBuffer buffer(process.h, 64 * 1024);
  if (!buffer.valid()) return Fail("no memory in the program's process");
  const SIZE_T kFormatAt = 0, kRangeAt = 1024, kTextAt = 4096;

  GETTEXTLENGTHEX how{GTL_NUMCHARS | GTL_PRECISE, 1200};
  buffer.Write(kRangeAt, &how, sizeof how);
  long long length = SendWithTimeout(box, EM_GETTEXTLENGTHEX, buffer.address() + kRangeAt, 0);
  const long long maxChars = (buffer.size() - kTextAt) / sizeof(wchar_t) - 1;
  if (length < 0 || length > maxChars) return Fail("text too long");

  TEXTRANGEW range{{0, static_cast<LONG>(length)}, reinterpret_cast<LPWSTR>(buffer.address() + kTextAt)};
  buffer.Write(kRangeAt, &range, sizeof range);
  long long got = SendWithTimeout(box, EM_GETTEXTRANGE, 0, buffer.address() + kRangeAt);
  std::wstring text(static_cast<size_t>(got > 0 ? got : 0), L'\0');
  if (got > 0) buffer.ReadAt(kTextAt, text.data(), got * sizeof(wchar_t));

  Json j;
  j.Begin().Key("ok").Bool(true).Key("length").Int(length).Key("runs").BeginArray();
  std::wstring run;
  COLORREF runColour = 0;
  bool runBold = false, first = true;
  auto flush = [&] {
    if (!run.empty()) j.Begin().Key("text").Str(run).Key("colour").Int(runColour).Key("bold").Bool(runBold).End();
    run.clear();
  };
  for (size_t i = 0; i < text.size(); ++i) {
    CHARRANGE one{static_cast<LONG>(i), static_cast<LONG>(i + 1)};
    buffer.Write(kRangeAt, &one, sizeof one);
    SendWithTimeout(box, EM_EXSETSEL, 0, buffer.address() + kRangeAt);
    CHARFORMAT2W cf{};
    cf.cbSize = sizeof cf;
    buffer.Write(kFormatAt, &cf, sizeof cf);
    SendWithTimeout(box, EM_GETCHARFORMAT, SCF_SELECTION, buffer.address() + kFormatAt);
    buffer.ReadAt(kFormatAt, &cf, sizeof cf);
    const COLORREF colour = (cf.dwEffects & CFE_AUTOCOLOR) ? GetSysColor(COLOR_WINDOWTEXT) : cf.crTextColor;
    const bool bold = (cf.dwEffects & CFE_BOLD) != 0;
    if (first || colour != runColour || bold != runBold) {
      flush();
      runColour = colour;
      runBold = bold;
      first = false;
    }
    run += text[i];
  }
  flush();
  j.EndArray().End().Print();
  return 0;
}

// windows CLASS: every top-level window of CLASS: handle, process, visible (two instances of
// the program tell apart by it).
int Windows(const Target&, const Args& a) {
  if (a.size() != 1) return Fail("usage: windows CLASS");
  Json j;
  j.Begin().Key("ok").Bool(true).Key("windows").BeginArray();
  for (HWND w : TopWindows(a[0], 0)) {
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    j.Begin().Key("hwnd").Int(static_cast<long long>(reinterpret_cast<UINT_PTR>(w))).Key("pid").Int(pid)
        .Key("visible").Bool(IsWindowVisible(w) != FALSE).End();
  }
  j.EndArray().End().Print();
  return 0;
}

// terminate PID: TerminateProcess, as End Process or a debugger ends a program: nothing of
// the program runs on its way out.
int Terminate(const Target&, const Args& a) {
  long long pid = 0;
  if (!Number(a, 0, pid)) return Fail("usage: terminate PID");
  Handle p(OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, static_cast<DWORD>(pid)));
  const bool ok = p.h && TerminateProcess(p.h, 1) && WaitForSingleObject(p.h, 10000) == WAIT_OBJECT_0;
  Json j;
  j.Begin().Key("ok").Bool(ok).End().Print();
  return ok ? 0 : 1;
}

// setprop HWND NAME VALUE / getprop HWND NAME: a window property as any other program could
// write or read it (records and hooks of the program must not trust what they find there).
int SetProp(const Target&, const Args& a) {
  long long value = 0;
  HWND w = a.size() == 3 ? ParseHandle(a[0]) : nullptr;
  if (!w || !Number(a, 2, value)) return Fail("usage: setprop HWND NAME VALUE");
  const bool ok = value == 0 ? (RemovePropW(w, a[1].c_str()), true)
                             : SetPropW(w, a[1].c_str(), reinterpret_cast<HANDLE>(static_cast<ULONG_PTR>(value))) != FALSE;
  Json j;
  j.Begin().Key("ok").Bool(ok).End().Print();
  return ok ? 0 : 1;
}

int GetProp(const Target&, const Args& a) {
  HWND w = a.size() == 2 ? ParseHandle(a[0]) : nullptr;
  if (!w) return Fail("usage: getprop HWND NAME");
  Json j;
  j.Begin().Key("ok").Bool(true).Key("value").Int(reinterpret_cast<ULONG_PTR>(GetPropW(w, a[1].c_str()))).End().Print();
  return 0;
}

}  // namespace e2e
