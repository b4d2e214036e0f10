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
}  // namespace

void DisableTheme(HWND control) {
  using Fn = HRESULT(WINAPI*)(HWND, LPCWSTR, LPCWSTR);
  static Fn fn = Load<Fn>(L"uxtheme.dll", "SetWindowTheme");
  if (fn) fn(control, L"", L"");
}

SetLayeredFn SetLayeredWindowAttributesFn() {
  static SetLayeredFn fn = Load<SetLayeredFn>(L"user32.dll", "SetLayeredWindowAttributes");
  return fn;
}

GetLayeredFn GetLayeredWindowAttributesFn() {
  static GetLayeredFn fn = Load<GetLayeredFn>(L"user32.dll", "GetLayeredWindowAttributes");
  return fn;
}

bool SentFromElsewhere() {
  using Fn = DWORD(WINAPI*)(LPVOID);
  static Fn fn = Load<Fn>(L"user32.dll", "InSendMessageEx");
  return !fn || fn(nullptr) != ISMEX_NOSEND;
}

int WindowDpi(HWND window) {
  using Fn = UINT(WINAPI*)(HWND);
  static Fn fn = Load<Fn>(L"user32.dll", "GetDpiForWindow");
  if (const UINT dpi = fn && window ? fn(window) : 0) return static_cast<int>(dpi);
  WindowDc screen(nullptr);
  return GetDeviceCaps(screen.get(), LOGPIXELSY);
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
