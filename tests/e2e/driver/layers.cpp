#include "layers.h"

#include <commctrl.h>

#include <vector>

#include "json.h"

namespace e2e {

namespace {

DWORD ProcessOf(HWND w) {
  DWORD pid = 0;
  GetWindowThreadProcessId(w, &pid);
  return pid;
}

// Visible top-level windows of a class, with their text, process and place on the screen.
int ListVisible(const wchar_t* className) {
  Json j;
  j.Begin().Key("ok").Bool(true).Key("windows").BeginArray();
  for (HWND w = FindWindowExW(nullptr, nullptr, className, nullptr); w;
       w = FindWindowExW(nullptr, w, className, nullptr)) {
    if (!IsWindowVisible(w)) continue;
    RECT r{};
    GetWindowRect(w, &r);
    j.Begin().Key("hwnd").Int(HandleValue(w)).Key("pid").Int(ProcessOf(w)).Key("text").Str(TextOf(w));
    j.Key("owner").Int(HandleValue(GetWindow(w, GW_OWNER)));
    j.Key("rect").BeginArray().Int(r.left).Int(r.top).Int(r.right - r.left).Int(r.bottom - r.top).EndArray();
    j.End();
  }
  j.EndArray().End().Print();
  return 0;
}

}  // namespace

// layered HWND: the window's WS_EX_LAYERED bit and what GetLayeredWindowAttributes says.
int Layered(const Target& t, const Args& a) {
  HWND w = a.empty() ? FindMain(t) : ParseHandle(a[0]);
  if (!w || !IsWindow(w)) return Fail("usage: layered [HWND] (window not found)");
  using Get = BOOL(WINAPI*)(HWND, COLORREF*, BYTE*, DWORD*);
  auto get = reinterpret_cast<Get>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetLayeredWindowAttributes")));
  COLORREF key = 0;
  BYTE alpha = 0;
  DWORD flags = 0;
  const bool got = get && get(w, &key, &alpha, &flags);
  Json j;
  j.Begin().Key("ok").Bool(true).Key("layered").Bool(GetWindowLongW(w, GWL_EXSTYLE) & WS_EX_LAYERED);
  j.Key("got").Bool(got).Key("alpha").Int(alpha).Key("colorkey").Int(key).Key("flags").Int(flags);
  j.Key("topmost").Bool(GetWindowLongW(w, GWL_EXSTYLE) & WS_EX_TOPMOST).End().Print();
  return 0;
}

// send|post TARGET MSG WPARAM LPARAM: a message to the main window (TARGET "main") or to
// one of its controls by id, sent as the system would send it, or posted.
int Message(const Target& t, const Args& a, bool post) {
  long long id = 0, msg = 0, wp = 0, lp = 0;
  HWND main = FindMain(t);
  if (!main || a.size() != 4 || !ParseInt(a[1], msg) || !ParseInt(a[2], wp) || !ParseInt(a[3], lp))
    return Fail("usage: send|post main|ID MSG WPARAM LPARAM (main window found?)");
  HWND to = a[0] == L"main" ? main : (ParseInt(a[0], id) ? ControlById(main, static_cast<int>(id)) : nullptr);
  if (!to) return Fail("no such control");
  bool done = false;
  LRESULT r = 0;
  if (post) done = PostMessageW(to, static_cast<UINT>(msg), static_cast<WPARAM>(wp), static_cast<LPARAM>(lp));
  else r = SendWithTimeout(to, static_cast<UINT>(msg), static_cast<WPARAM>(wp), static_cast<LPARAM>(lp), &done);
  Json j;
  j.Begin().Key("ok").Bool(done).Key("result").Int(static_cast<long long>(r)).End().Print();
  return done ? 0 : 1;
}

int SendToMain(const Target& t, const Args& a) { return Message(t, a, false); }
int PostToMain(const Target& t, const Args& a) { return Message(t, a, true); }

// watch-slide MENU_ID FRAME_ID SLIDER_ID LABEL_ID MS: chooses the menu item that slides the
// panel, moves the slider once the frame has started moving, and watches every step from
// this one process: the frame's tops in order, and whether the label's readout changed
// while the frame was still between its two ends.
int WatchSlide(const Target& t, const Args& a) {
  long long menuId = 0, frameId = 0, sliderId = 0, labelId = 0, ms = 0;
  HWND main = FindMain(t);
  if (!main || a.size() != 5 || !ParseInt(a[0], menuId) || !ParseInt(a[1], frameId) || !ParseInt(a[2], sliderId) ||
      !ParseInt(a[3], labelId) || !ParseInt(a[4], ms))
    return Fail("usage: watch-slide MENU_ID FRAME_ID SLIDER_ID LABEL_ID MS");
  HWND frame = ControlById(main, static_cast<int>(frameId));
  HWND slider = ControlById(main, static_cast<int>(sliderId));
  HWND label = ControlById(main, static_cast<int>(labelId));
  if (!frame || !slider || !label) return Fail("control not found");
  auto top = [&] {
    RECT r{};
    GetWindowRect(frame, &r);
    MapWindowPoints(nullptr, main, reinterpret_cast<POINT*>(&r), 2);
    return static_cast<long long>(r.top);
  };
  std::vector<long long> tops{top()};
  const std::wstring labelBefore = TextOf(label);
  bool moved = false;
  long long stepsWhenLabelChanged = -1;  // how many tops had been seen when the readout changed
  const DWORD start = Now();
  PostMessageW(main, WM_COMMAND, static_cast<WPARAM>(menuId), 0);
  DWORD lastChange = Now();
  while (Now() - start < static_cast<DWORD>(ms)) {
    const long long now = top();
    if (now != tops.back()) {
      tops.push_back(now);
      lastChange = Now();
      if (!moved) PostMessageW(slider, TBM_SETPOS, TRUE, 100);
      moved = true;
    }
    if (moved && stepsWhenLabelChanged < 0 && TextOf(label) != labelBefore)
      stepsWhenLabelChanged = static_cast<long long>(tops.size());
    if (moved && Now() - lastChange > 500) break;  // no step for longer than any wait between steps
    Sleep(1);
  }
  Json j;
  j.Begin().Key("ok").Bool(moved).Key("tops").BeginArray();
  for (long long v : tops) j.Int(v);
  j.EndArray().Key("steps_when_label_changed").Int(stepsWhenLabelChanged).Key("label").Str(TextOf(label));
  j.Key("elapsed_ms").Int(Now() - start).End().Print();
  return moved ? 0 : 1;
}

// popups: the popup menus on the screen ("#32768").
int Popups(const Target&, const Args&) { return ListVisible(L"#32768"); }

// tips: the tooltips on the screen, with the text they show.
int Tips(const Target&, const Args&) { return ListVisible(TOOLTIPS_CLASSW); }

// fault: a thread of the program's process starts at an address where nothing is mapped, as
// a fault from outside the program's own code.
int Fault(const Target& t, const Args&) {
  HWND main = FindMain(t);
  if (!main) return Fail("main window not found");
  HANDLE process = OpenProcess(PROCESS_CREATE_THREAD | PROCESS_QUERY_INFORMATION | PROCESS_VM_OPERATION |
                                   PROCESS_VM_WRITE | PROCESS_VM_READ,
                               FALSE, ProcessOf(main));
  if (!process) return Fail("OpenProcess failed");
  auto* nowhere = reinterpret_cast<LPTHREAD_START_ROUTINE>(static_cast<ULONG_PTR>(0x10));
  HANDLE thread = CreateRemoteThread(process, nullptr, 0, nowhere, nullptr, 0, nullptr);
  if (thread) CloseHandle(thread);
  CloseHandle(process);
  Json j;
  j.Begin().Key("ok").Bool(thread != nullptr).End().Print();
  return thread ? 0 : 1;
}

}  // namespace e2e

namespace e2e {

// click-alpha X Y HWND MS: a left click at the screen point, as the mouse makes it, then the
// time until HWND shows a layered alpha other than 255 (polled every millisecond).
int ClickAlpha(const Target&, const Args& a) {
  long long x = 0, y = 0, ms = 0;
  HWND w = a.size() == 4 ? ParseHandle(a[2]) : nullptr;
  if (!w || !ParseInt(a[0], x) || !ParseInt(a[1], y) || !ParseInt(a[3], ms)) return Fail("usage: click-alpha X Y HWND MS");
  using Get = BOOL(WINAPI*)(HWND, COLORREF*, BYTE*, DWORD*);
  auto get = reinterpret_cast<Get>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetLayeredWindowAttributes")));
  SetCursorPos(static_cast<int>(x), static_cast<int>(y));
  INPUT in[2] = {{INPUT_MOUSE}, {INPUT_MOUSE}};
  in[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  in[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  const DWORD t0 = GetTickCount();
  BYTE alpha = 255;
  bool seen = false;
  for (bool sent = SendInput(2, in, sizeof(INPUT)) == 2; sent && !seen && GetTickCount() - t0 < ms; Sleep(1))
    seen = (GetWindowLongW(w, GWL_EXSTYLE) & WS_EX_LAYERED) && get && get(w, nullptr, &alpha, nullptr) && alpha != 255;
  Json j;
  j.Begin().Key("ok").Bool(seen).Key("ms").Int(GetTickCount() - t0).Key("alpha").Int(alpha).End().Print();
  return seen ? 0 : 1;
}

}  // namespace e2e
