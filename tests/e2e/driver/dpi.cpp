#include "dpi.h"

#include <string>

#include "json.h"
#include "remote_status.h"

namespace e2e {

namespace {

constexpr UINT kWmDpiChanged = 0x02E0;

// As tests/e2e/dpi_hook reads it.
struct DpiAsk {
  RECT suggested;
  LONG dpi;
  LONG done;
};

struct ProcessHandle {
  HANDLE h;
  explicit ProcessHandle(HANDLE handle) : h(handle) {}
  ~ProcessHandle() {
    if (h) CloseHandle(h);
  }
};

}  // namespace

namespace {

int Answer(HWND w, bool done) {
  RECT now{};
  GetWindowRect(w, &now);
  Json j;
  j.Begin().Key("ok").Bool(done);
  j.Key("window").BeginArray().Int(now.left).Int(now.top).Int(now.right - now.left).Int(now.bottom - now.top)
      .EndArray().End().Print();
  return done ? 0 : 1;
}

}  // namespace

int DpiChanged(const Target& t, const Args& a) {
  long long dpi = 0, v[4] = {};
  HWND w = FindMain(t);
  if (w && a.size() == 3 && ParseInt(a[0], dpi) && a[1] == L"--lparam" && ParseInt(a[2], v[0])) {
    // The lParam as given: none, or an address that means nothing in the program.
    bool done = false;
    SendWithTimeout(w, kWmDpiChanged, MAKEWPARAM(dpi, dpi), static_cast<LPARAM>(v[0]), &done);
    return Answer(w, done);
  }
  if (!w || a.size() != 5 || !ParseInt(a[0], dpi))
    return Fail("usage: dpi-changed DPI (LEFT TOP RIGHT BOTTOM | --lparam VALUE)");
  for (int i = 0; i < 4; ++i)
    if (!ParseInt(a[i + 1], v[i])) return Fail("usage: dpi-changed DPI (LEFT TOP RIGHT BOTTOM | --lparam VALUE)");
  // The system sends it from the window's own thread: a hook of ours in the program does.
  DWORD pid = 0;
  const DWORD thread = GetWindowThreadProcessId(w, &pid);
  ProcessHandle process(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid));
  if (!process.h) return Fail("the program's process could not be opened");
  RemoteBuffer buffer(process.h, sizeof(DpiAsk));
  const DpiAsk ask{{static_cast<LONG>(v[0]), static_cast<LONG>(v[1]), static_cast<LONG>(v[2]), static_cast<LONG>(v[3])},
                   static_cast<LONG>(dpi), 0};
  if (!buffer.valid() || !buffer.Write(0, &ask, sizeof ask)) return Fail("no room in the program");
  wchar_t path[MAX_PATH];
  const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring dll(path, n);
  dll = dll.substr(0, dll.find_last_of(L"\\/") + 1) + L"dpi_hook.dll";
  HMODULE module = LoadLibraryW(dll.c_str());
  auto* proc = module ? reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(GetProcAddress(module, "DpiHook"))) : nullptr;
  HHOOK hook = proc ? SetWindowsHookExW(WH_GETMESSAGE, proc, module, thread) : nullptr;
  if (!hook) return Fail("dpi_hook.dll could not be hooked into the program");
  PostMessageW(w, RegisterWindowMessageW(L"SorelkaE2E.DpiChanged"), 0, buffer.address());
  DpiAsk now{};
  for (const DWORD start = GetTickCount(); GetTickCount() - start < 5000 && !now.done; Sleep(5))
    if (!buffer.Read(&now, sizeof now)) break;
  UnhookWindowsHookEx(hook);
  return Answer(w, now.done != 0);
}

// Another process's font handles cannot be read under Wine (WM_GETFONT is not answered
// across processes): the size of text in a box shows the size of its font instead.
int Glyphs(const Target& t, const Args& a) {
  long long id = 0;
  HWND top = FindMain(t);
  HWND box = top && a.size() == 1 && ParseInt(a[0], id) ? ControlById(top, static_cast<int>(id)) : nullptr;
  if (!box) return Fail("usage: glyphs ID (a text box)");
  const std::wstring kept = TextOf(box);
  SendWithTimeout(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"WWWW\r\nW"));
  auto at = [box](int index) { return SendWithTimeout(box, EM_POSFROMCHAR, index, 0); };
  const LRESULT first = at(0), fourth = at(4), nextLine = at(6);
  SendWithTimeout(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(kept.c_str()));
  const int width = static_cast<short>(LOWORD(fourth)) - static_cast<short>(LOWORD(first));
  const int line = static_cast<short>(HIWORD(nextLine)) - static_cast<short>(HIWORD(first));
  Json j;
  j.Begin().Key("ok").Bool(width > 0).Key("width").Int(width).Key("line").Int(line).End().Print();
  return width > 0 ? 0 : 1;
}

}  // namespace e2e
