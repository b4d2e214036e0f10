#include "win32/dynamic_api.h"

#include "win32/handles.h"

namespace sorelka::win32 {

HMODULE LoadSystemLibrary(const wchar_t* dll) {
  wchar_t path[MAX_PATH];
  const UINT n = GetSystemDirectoryW(path, MAX_PATH);
  if (n == 0 || n + 1 + lstrlenW(dll) >= MAX_PATH) return nullptr;
  path[n] = L'\\';
  lstrcpynW(path + n + 1, dll, MAX_PATH - n - 1);
  return LoadLibraryW(path);
}

namespace {
template <typename F>
F Load(const wchar_t* dll, const char* name) {
  HMODULE m = GetModuleHandleW(dll);
  if (!m) m = LoadSystemLibrary(dll);
  return m ? reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(m, name))) : nullptr;
}

bool reportedMissing[static_cast<int>(LateFunction::Count)] = {};

// `fn`, or null while a test reports it missing.
template <typename F>
F Unless(LateFunction f, F fn) {
  return reportedMissing[static_cast<int>(f)] ? nullptr : fn;
}
}  // namespace

ReportMissing::ReportMissing(LateFunction f) : f_(f) { reportedMissing[static_cast<int>(f)] = true; }
ReportMissing::~ReportMissing() { reportedMissing[static_cast<int>(f_)] = false; }

void DisableTheme(HWND control) {
  using Fn = HRESULT(WINAPI*)(HWND, LPCWSTR, LPCWSTR);
  static Fn loaded = Load<Fn>(L"uxtheme.dll", "SetWindowTheme");
  if (Fn fn = Unless(LateFunction::SetWindowTheme, loaded)) fn(control, L"", L"");
}

SetLayeredFn SetLayeredWindowAttributesFn() {
  static SetLayeredFn fn = Load<SetLayeredFn>(L"user32.dll", "SetLayeredWindowAttributes");
  return fn;
}

GetLayeredFn GetLayeredWindowAttributesFn() {
  static GetLayeredFn fn = Load<GetLayeredFn>(L"user32.dll", "GetLayeredWindowAttributes");
  return Unless(LateFunction::GetLayeredWindowAttributes, fn);
}

bool SentFromElsewhere() {
  using Fn = DWORD(WINAPI*)(LPVOID);
  static Fn fn = Load<Fn>(L"user32.dll", "InSendMessageEx");
  return !fn || fn(nullptr) != ISMEX_NOSEND;
}

bool IsHungAppWindowLate(HWND window) {
  using Fn = BOOL(WINAPI*)(HWND);
  static Fn fn = Load<Fn>(L"user32.dll", "IsHungAppWindow");
  return fn && fn(window);
}

int ScreenDpi() {
  WindowDc screen(nullptr);
  return GetDeviceCaps(screen.get(), LOGPIXELSY);
}

int WindowDpi(HWND window) {
  using Fn = UINT(WINAPI*)(HWND);
  static Fn loaded = Load<Fn>(L"user32.dll", "GetDpiForWindow");
  const Fn fn = Unless(LateFunction::GetDpiForWindow, loaded);
  if (const UINT dpi = fn && window ? fn(window) : 0) return static_cast<int>(dpi);
  return ScreenDpi();
}

bool ShellExecuteLazy(HWND owner, const char* verb, const char* file, int show) {
  using Fn = HINSTANCE(WINAPI*)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);
  static Fn fn = Load<Fn>(L"shell32.dll", "ShellExecuteA");
  if (!fn) return false;
  fn(owner, verb, file, nullptr, nullptr, show);
  return true;
}

DWORD TimeGetTimeLazy() {
  using Fn = DWORD(WINAPI*)();
  static Fn fn = Load<Fn>(L"winmm.dll", "timeGetTime");
  return fn ? fn() : GetTickCount();
}

}  // namespace sorelka::win32
