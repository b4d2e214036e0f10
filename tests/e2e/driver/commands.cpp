#include "commands.h"

#include <commctrl.h>

#include "aux_windows.h"
#include "dpi.h"
#include "json.h"
#include "layers.h"
#include "other_windows.h"
#include "remote_status.h"

namespace e2e {

namespace {

constexpr DWORD kPollMs = 5;
constexpr int kActivatCheckId = 1000;
constexpr int kSliderLabelId = 1029;  // Label2(0): "100%" until the first readout tick rewrites it

bool SameClass(HWND w, const wchar_t* name) { return lstrcmpiW(ClassOf(w).c_str(), name) == 0; }

// Every command but `foreground` works on the program's main window.
HWND MainOrNull(const Target& t) { return FindMain(t); }

bool ParseTimeout(const Args& a, size_t at, DWORD& ms) {
  long long v = 0;
  if (a.size() <= at || !ParseInt(a[at], v) || v < 0) return false;
  ms = static_cast<DWORD>(v);
  return true;
}

void RectIn(HWND w, HWND parent, RECT& r) {
  GetWindowRect(w, &r);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
}

void FocusFields(Json& j, HWND main) {
  HWND focus = FocusOf(main);
  j.Key("focus_hwnd").Int(HandleValue(focus));
  if (focus) j.Key("focus").Int(GetDlgCtrlID(focus)).Key("focus_class").Str(ClassOf(focus));
  else j.Key("focus").Null();
  j.Key("foreground").Int(HandleValue(GetForegroundWindow()));
}

void StatusFields(Json& j, HWND bar) {
  StatusPanels panels = ReadStatusPanels(bar);
  j.Begin().Key("id").Int(GetDlgCtrlID(bar)).Key("ok").Bool(panels.ok);
  j.Key("edges").BeginArray();
  for (int e : panels.rightEdges) j.Int(e);
  j.EndArray().Key("texts").BeginArray();
  for (const std::wstring& t : panels.texts) j.Str(t);
  j.EndArray().End();
}

int Dump(const Target& t, const Args&) {
  HWND main = MainOrNull(t);
  if (!main) return Fail("main window not found");
  Json j;
  j.Begin().Key("ok").Bool(true);
  DWORD pid = 0;
  GetWindowThreadProcessId(main, &pid);
  LONG style = GetWindowLongW(main, GWL_STYLE), ex = GetWindowLongW(main, GWL_EXSTYLE);
  RECT client{}, window{};
  GetClientRect(main, &client);
  GetWindowRect(main, &window);
  HDC screen = GetDC(nullptr);
  int dpi = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(nullptr, screen);
  j.Key("hwnd").Int(HandleValue(main)).Key("pid").Int(pid);
  j.Key("class").Str(ClassOf(main)).Key("caption").Str(TextOf(main)).Key("dpi").Int(dpi);
  j.Key("client").BeginArray().Int(client.right).Int(client.bottom).EndArray();
  j.Key("window").BeginArray().Int(window.left).Int(window.top)
      .Int(window.right - window.left).Int(window.bottom - window.top).EndArray();
  j.Key("style").Int(static_cast<DWORD>(style)).Key("exstyle").Int(static_cast<DWORD>(ex));
  j.Key("minimizebox").Bool(style & WS_MINIMIZEBOX).Key("maximizebox").Bool(style & WS_MAXIMIZEBOX);
  j.Key("sizable").Bool(style & WS_THICKFRAME).Key("sysmenu").Bool(style & WS_SYSMENU);
  j.Key("caption_bar").Bool((style & WS_CAPTION) == WS_CAPTION);
  j.Key("topmost").Bool(ex & WS_EX_TOPMOST).Key("visible").Bool(IsWindowVisible(main));
  j.Key("enabled").Bool(IsWindowEnabled(main));
  j.Key("has_menu").Bool(GetMenu(main) != nullptr);
  FocusFields(j, main);

  HWND statusBar = nullptr, trackbar = nullptr;
  j.Key("controls").BeginArray();
  for (HWND w : Descendants(main)) {
    HWND parent = GetParent(w);
    RECT r{};
    RectIn(w, parent, r);
    j.Begin().Key("id").Int(GetDlgCtrlID(w)).Key("hwnd").Int(HandleValue(w));
    j.Key("class").Str(ClassOf(w)).Key("text").Str(TextOf(w));
    j.Key("enabled").Bool(IsWindowEnabled(w)).Key("visible").Bool(IsWindowVisible(w));
    j.Key("style").Int(static_cast<DWORD>(GetWindowLongW(w, GWL_STYLE)));
    j.Key("exstyle").Int(static_cast<DWORD>(GetWindowLongW(w, GWL_EXSTYLE)));
    if (SameClass(w, WC_BUTTONW)) j.Key("checked").Int(SendWithTimeout(w, BM_GETCHECK, 0, 0));
    else j.Key("checked").Null();
    j.Key("rect").BeginArray().Int(r.left).Int(r.top).Int(r.right - r.left).Int(r.bottom - r.top)
        .EndArray();
    j.Key("parent").Int(parent == main ? 0 : GetDlgCtrlID(parent));
    j.End();
    if (!statusBar && SameClass(w, STATUSCLASSNAMEW)) statusBar = w;
    if (!trackbar && SameClass(w, TRACKBAR_CLASSW)) trackbar = w;
  }
  j.EndArray();

  j.Key("status");
  if (statusBar) StatusFields(j, statusBar);
  else j.Null();
  j.Key("trackbar");
  if (trackbar) {
    j.Begin().Key("id").Int(GetDlgCtrlID(trackbar))
        .Key("pos").Int(SendWithTimeout(trackbar, TBM_GETPOS, 0, 0))
        .Key("min").Int(SendWithTimeout(trackbar, TBM_GETRANGEMIN, 0, 0))
        .Key("max").Int(SendWithTimeout(trackbar, TBM_GETRANGEMAX, 0, 0)).End();
  } else {
    j.Null();
  }
  j.End().Print();
  return 0;
}

int Find(const Target& t, const Args& a) {
  DWORD timeout = 0;
  if (!a.empty() && !ParseTimeout(a, 0, timeout)) return Fail("usage: find [TIMEOUT_MS]");
  DWORD start = Now();
  HWND main = WaitForMain(t, timeout);
  if (!main || !IsWindowVisible(main)) return Fail("main window not found (visible) in time");
  DWORD pid = 0;
  GetWindowThreadProcessId(main, &pid);
  Json j;
  j.Begin().Key("ok").Bool(true).Key("hwnd").Int(HandleValue(main)).Key("pid").Int(pid)
      .Key("elapsed_ms").Int(Now() - start).End().Print();
  return 0;
}

int WaitTopmost(const Target& t, const Args& a) {
  DWORD timeout = 0;
  if (!ParseTimeout(a, 0, timeout)) return Fail("usage: wait-topmost TIMEOUT_MS");
  DWORD start = Now();
  HWND main = WaitForMain(t, timeout);
  bool topmost = false;
  for (;;) {
    main = FindMain(t);
    topmost = main && (GetWindowLongW(main, GWL_EXSTYLE) & WS_EX_TOPMOST);
    if (topmost || Now() - start >= timeout) break;
    Sleep(kPollMs);
  }
  HWND check = main ? ControlById(main, kActivatCheckId) : nullptr;
  Json j;
  j.Begin().Key("ok").Bool(topmost).Key("topmost").Bool(topmost)
      .Key("elapsed_ms").Int(Now() - start).Key("activat_checked");
  if (check) j.Int(SendWithTimeout(check, BM_GETCHECK, 0, 0));
  else j.Null();
  j.End().Print();
  return topmost ? 0 : 1;
}

int WaitPanel(const Target& t, const Args& a) {
  long long panel = 0;
  DWORD timeout = 0;
  if (a.size() != 3 || !ParseInt(a[0], panel) || !ParseTimeout(a, 2, timeout))
    return Fail("usage: wait-panel N TEXT TIMEOUT_MS");
  DWORD start = Now();
  std::wstring seen;
  bool match = false;
  for (;;) {
    HWND main = FindMain(t);
    HWND bar = nullptr;
    if (main)
      for (HWND w : Descendants(main))
        if (SameClass(w, STATUSCLASSNAMEW)) { bar = w; break; }
    if (bar) {
      StatusPanels p = ReadStatusPanels(bar);
      if (p.ok && panel >= 0 && panel < static_cast<long long>(p.texts.size())) {
        seen = p.texts[panel];
        match = seen == a[1];
      }
    }
    if (match || Now() - start >= timeout) break;
    Sleep(kPollMs);
  }
  Json j;
  j.Begin().Key("ok").Bool(match).Key("seen").Str(seen).Key("elapsed_ms").Int(Now() - start)
      .End().Print();
  return match ? 0 : 1;
}

int WaitGone(const Target& t, const Args& a) {
  DWORD timeout = 0;
  if (!ParseTimeout(a, 0, timeout)) return Fail("usage: wait-gone TIMEOUT_MS");
  DWORD start = Now();
  bool gone = false;
  for (;;) {
    gone = FindMain(t) == nullptr;
    if (gone || Now() - start >= timeout) break;
    Sleep(kPollMs);
  }
  Json j;
  j.Begin().Key("ok").Bool(gone).Key("elapsed_ms").Int(Now() - start).End().Print();
  return gone ? 0 : 1;
}

// Whether the window's thread takes a sent message, and how long the answer took.
int Answers(const Target& t, const Args& a) {
  DWORD timeout = 0;
  if (!ParseTimeout(a, 0, timeout)) return Fail("usage: answers TIMEOUT_MS");
  HWND main = FindMain(t);
  if (!main) return Fail("no main window");
  const DWORD start = Now();
  DWORD_PTR result = 0;
  const bool answered = SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, timeout, &result) != 0;
  Json j;
  j.Begin().Key("ok").Bool(answered).Key("elapsed_ms").Int(Now() - start).End().Print();
  return answered ? 0 : 1;
}

int Focus(const Target& t, const Args&) {
  HWND main = MainOrNull(t);
  if (!main) return Fail("main window not found");
  Json j;
  j.Begin().Key("ok").Bool(true);
  FocusFields(j, main);
  j.End().Print();
  return 0;
}

// After a key press the focus moves asynchronously; poll here instead of starting the
// driver again and again.
int WaitFocusNot(const Target& t, const Args& a) {
  long long from = 0;
  DWORD timeout = 0;
  if (a.size() != 2 || !ParseInt(a[0], from) || !ParseTimeout(a, 1, timeout))
    return Fail("usage: wait-focus-not ID TIMEOUT_MS");
  DWORD start = Now();
  HWND main = nullptr;
  bool moved = false;
  for (;;) {
    main = FindMain(t);
    HWND focus = main ? FocusOf(main) : nullptr;
    moved = focus && GetDlgCtrlID(focus) != from;
    if (moved || Now() - start >= timeout) break;
    Sleep(kPollMs);
  }
  if (!main) return Fail("main window not found");
  Json j;
  j.Begin().Key("ok").Bool(moved).Key("elapsed_ms").Int(Now() - start);
  FocusFields(j, main);
  j.End().Print();
  return moved ? 0 : 1;
}

int Foreground(const Target& t, const Args& a) {
  HWND w = nullptr;
  if (a.empty()) w = FindMain(t);
  else if (HWND h = ParseHandle(a[0]); h && IsWindow(h)) w = h;
  else w = FindWindowW(nullptr, a[0].c_str());
  if (!w) return Fail("window not found");
  BOOL set = SetForegroundWindow(w);
  Json j;
  j.Begin().Key("ok").Bool(set).Key("hwnd").Int(HandleValue(w))
      .Key("foreground").Int(HandleValue(GetForegroundWindow())).End().Print();
  return set ? 0 : 1;
}

HWND ControlArg(const Target& t, const Args& a, HWND& main) {
  long long id = 0;
  main = MainOrNull(t);
  if (!main || a.empty() || !ParseInt(a[0], id)) return nullptr;
  return ControlById(main, static_cast<int>(id));
}

int Click(const Target& t, const Args& a) {
  HWND main = nullptr;
  HWND c = ControlArg(t, a, main);
  if (!c) return Fail("usage: click ID (control not found)");
  // Posted, so a click that opens a message box does not block the driver. Wine clicks a
  // disabled button too, so the enabled state is reported for the runner to judge.
  bool posted = PostMessageW(c, BM_CLICK, 0, 0);
  Json j;
  j.Begin().Key("ok").Bool(posted).Key("enabled").Bool(IsWindowEnabled(c)).End().Print();
  return posted ? 0 : 1;
}

// paste ID TEXT TIMES: TEXT repeated TIMES times put on the clipboard and pasted into the edit
// box ID by WM_PASTE, so the box takes it inside its own process: a cross-process WM_SETTEXT of
// more than about a million characters kills the receiving process under Wine.
int Paste(const Target& t, const Args& a) {
  HWND main = nullptr;
  HWND c = ControlArg(t, a, main);
  if (!c || a.size() != 3) return Fail("usage: paste ID TEXT TIMES");
  const long times = std::wcstol(a[2].c_str(), nullptr, 10);
  const size_t units = a[1].size() * static_cast<size_t>(times > 0 ? times : 0);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (units + 1) * sizeof(wchar_t));
  if (!memory) return Fail("out of memory");
  auto* text = static_cast<wchar_t*>(GlobalLock(memory));
  for (long i = 0; i < times; ++i) std::copy(a[1].begin(), a[1].end(), text + i * a[1].size());
  text[units] = L'\0';
  GlobalUnlock(memory);
  if (!OpenClipboard(nullptr)) {
    GlobalFree(memory);
    return Fail("the clipboard cannot be opened");
  }
  EmptyClipboard();
  const bool placed = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
  CloseClipboard();
  if (!placed) {
    GlobalFree(memory);
    return Fail("the clipboard took no text");
  }
  SendWithTimeout(c, EM_SETSEL, 0, -1, nullptr);
  DWORD_PTR r = 0;
  const bool sent = SendMessageTimeoutW(c, WM_PASTE, 0, 0, SMTO_ABORTIFHUNG, 60000, &r) != 0;
  // The box lays out a long text for a few seconds after the paste: its length comes after.
  DWORD_PTR length = 0;
  SendMessageTimeoutW(c, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 60000, &length);
  Json j;
  j.Begin().Key("ok").Bool(sent).Key("length").Int(static_cast<long long>(length)).End().Print();
  return sent ? 0 : 1;
}

int SetText(const Target& t, const Args& a) {
  HWND main = nullptr;
  HWND c = ControlArg(t, a, main);
  if (!c || a.size() < 2 || a.size() > 3) return Fail("usage: settext ID TEXT [TIMES]");
  // TIMES repeats the text: a paste far longer than a command line can carry.
  std::wstring text = a[1];
  if (a.size() == 3) {
    const long times = std::wcstol(a[2].c_str(), nullptr, 10);
    text.clear();
    for (long i = 0; i < times; ++i) text += a[1];
  }
  bool sent = false;
  LRESULT r = SendWithTimeout(c, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), &sent);
  Json j;
  j.Begin().Key("ok").Bool(sent && r);
  // (GetWindowTextLength would read another process's caption, not the box.)
  if (a.size() == 3) j.Key("length").Int(SendWithTimeout(c, WM_GETTEXTLENGTH, 0, 0));
  else j.Key("text").Str(TextOf(c));
  j.End().Print();
  return sent && r ? 0 : 1;
}

int Xid(const Target& t, const Args& a) {
  HWND w = a.empty() ? MainOrNull(t) : ParseHandle(a[0]);
  if (!w || !IsWindow(w)) return Fail("window not found");
  // Wine keeps the X11 window of each top-level window in this property.
  auto xid = reinterpret_cast<ULONG_PTR>(GetPropA(w, "__wine_x11_whole_window"));
  Json j;
  j.Begin().Key("ok").Bool(xid != 0).Key("hwnd").Int(HandleValue(w))
      .Key("xid").Int(static_cast<long long>(xid)).End().Print();
  return xid ? 0 : 1;
}

// close: posts WM_CLOSE; close sys: posts WM_SYSCOMMAND SC_CLOSE, as the system menu does;
// close session: the end of the session, as Windows sends it (the query, then the end).
int Close(const Target& t, const Args& a) {
  HWND main = MainOrNull(t);
  if (!main) return Fail("main window not found");
  const std::wstring how = a.empty() ? L"" : a[0];
  Json j;
  bool ok = false;
  if (how.empty()) {
    ok = PostMessageW(main, WM_CLOSE, 0, 0);
    j.Begin().Key("ok").Bool(ok).End().Print();
  } else if (how == L"sys") {
    ok = PostMessageW(main, WM_SYSCOMMAND, SC_CLOSE, 0);
    j.Begin().Key("ok").Bool(ok).End().Print();
  } else if (how == L"session") {
    bool sent = false;
    const LRESULT allowed = SendWithTimeout(main, WM_QUERYENDSESSION, 0, 0, &sent);
    bool ended = false;
    if (sent && allowed) SendWithTimeout(main, WM_ENDSESSION, TRUE, 0, &ended);
    ok = sent && ended;
    j.Begin().Key("ok").Bool(ok).Key("allowed").Bool(sent && allowed).End().Print();
  } else {
    return Fail("close takes nothing, sys or session");
  }
  return ok ? 0 : 1;
}

// Finds the visible top-level window of `className` that belongs to process `pid`.
HWND WindowOfProcess(const std::wstring& className, DWORD pid) {
  for (HWND w = FindWindowExW(nullptr, nullptr, className.c_str(), nullptr); w;
       w = FindWindowExW(nullptr, w, className.c_str(), nullptr)) {
    DWORD owner = 0;
    GetWindowThreadProcessId(w, &owner);
    if (owner == pid && IsWindowVisible(w)) return w;
  }
  return nullptr;
}

// Starts the program itself and watches its first moments from inside the same Wine
// session, which sees the window within milliseconds of its appearance (a second driver
// start would take longer than the program's first timer tick). Ends the program after.
int WatchStart(const Target& t, const Args& a) {
  DWORD timeout = 0;
  if (a.size() < 2 || !ParseTimeout(a, 1, timeout)) return Fail("usage: watch-start EXE TIMEOUT_MS [ARG...]");
  std::wstring commandLine = L"\"" + a[0] + L"\"";
  for (std::size_t i = 2; i < a.size(); ++i) commandLine += L" " + a[i];
  STARTUPINFOW si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  if (!CreateProcessW(a[0].c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      nullptr, &si, &pi))
    return Fail("the program could not be started");
  CloseHandle(pi.hThread);
  DWORD start = Now();
  HWND main = nullptr;
  while (!(main = WindowOfProcess(t.className, pi.dwProcessId)) && Now() - start < timeout)
    Sleep(1);
  Json j;
  j.Begin().Key("ok").Bool(main != nullptr);
  if (main) {
    HWND check = ControlById(main, kActivatCheckId);
    auto topmostNow = [&] { return (GetWindowLongW(main, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; };
    auto checkedNow = [&] { return check ? SendWithTimeout(check, BM_GETCHECK, 0, 0) : -1; };
    DWORD seenAt = Now();
    j.Key("seen_ms").Int(seenAt - start);
    // The label is read last: while it still reads as made, the reads before it came before the
    // first readout tick too (the tick sets ActivatCheck before it writes the label).
    HWND label = ControlById(main, kSliderLabelId);
    j.Key("first").Begin().Key("checked").Int(checkedNow()).Key("topmost").Bool(topmostNow());
    j.Key("label").Str(label ? TextOf(label) : std::wstring()).End();
    // Only the assistant goes on top by itself (a baseline window has no ActivatCheck).
    while (check && !topmostNow() && Now() - start < timeout) Sleep(kPollMs);
    j.Key("topmost_after_seen_ms").Int(Now() - seenAt);
    j.Key("last").Begin().Key("checked").Int(checkedNow()).Key("topmost").Bool(topmostNow()).End();
  }
  TerminateProcess(pi.hProcess, 0);
  WaitForSingleObject(pi.hProcess, 5000);
  CloseHandle(pi.hProcess);
  j.End().Print();
  return main ? 0 : 1;
}

}  // namespace

const std::vector<Command>& Commands() {
  static const std::vector<Command> commands = {
      {L"dump", "dump", Dump},
      {L"find", "find [TIMEOUT_MS]", Find},
      {L"wait-topmost", "wait-topmost TIMEOUT_MS", WaitTopmost},
      {L"wait-panel", "wait-panel N TEXT TIMEOUT_MS", WaitPanel},
      {L"wait-gone", "wait-gone TIMEOUT_MS", WaitGone},
      {L"focus", "focus", Focus},
      {L"wait-focus-not", "wait-focus-not ID TIMEOUT_MS", WaitFocusNot},
      {L"foreground", "foreground [TITLE_OR_HWND]", Foreground},
      {L"click", "click ID", Click},
      {L"settext", "settext ID TEXT", SetText},
      {L"paste", "paste ID TEXT TIMES", Paste},
      {L"xid", "xid [HWND]", Xid},
      {L"close", "close [sys|session]", Close},
      {L"watch-start", "watch-start EXE TIMEOUT_MS [ARG...]", WatchStart},
      {L"box", "box TITLE TIMEOUT_MS", Box},
      {L"answer", "answer TITLE BUTTON_ID", Answer},
      {L"text", "text HWND", Text},
      {L"rect", "rect [ID]", ScreenRect},
      {L"answers", "answers TIMEOUT_MS", Answers},
      {L"layered", "layered [HWND]", Layered},
      {L"click-alpha", "click-alpha X Y HWND MS", ClickAlpha},
      {L"send", "send main|ID MSG WPARAM LPARAM", SendToMain},
      {L"post", "post main|ID MSG WPARAM LPARAM", PostToMain},
      {L"watch-slide", "watch-slide MENU_ID FRAME_ID SLIDER_ID LABEL_ID MS", WatchSlide},
      {L"popups", "popups", Popups},
      {L"tips", "tips", Tips},
      {L"fault", "fault", Fault},
      {L"top", "top CLASS PID TIMEOUT_MS", Top},
      {L"wait-none", "wait-none CLASS PID TIMEOUT_MS", WaitNone},
      {L"post-hwnd", "post-hwnd HWND MSG WPARAM LPARAM", Post},
      {L"rich", "rich HWND", Rich},
      {L"dpi-changed", "dpi-changed DPI LEFT TOP RIGHT BOTTOM", DpiChanged},
      {L"glyphs", "glyphs ID", Glyphs},
      {L"modules", "modules PID", Modules},
      {L"windows", "windows CLASS", Windows},
      {L"terminate", "terminate PID", Terminate},
      {L"setprop", "setprop HWND NAME VALUE", SetProp},
      {L"getprop", "getprop HWND NAME", GetProp},
  };
  return commands;
}

}  // namespace e2e
