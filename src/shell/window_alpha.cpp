// The window-alpha layer of the desktop port: layered windows of any program, through the
// layered-window functions loaded at run time; the layered bit of another thread's window is
// changed by the style worker, and each changed window carries its record as properties.
#include "desktop_win32.h"
#include "shell_namespace.h"
#include "win32/dynamic_api.h"
#include "win32/handles.h"

namespace sorelka::shell {

namespace {
// The record's properties, in the order of the alpha-record values.
constexpr const wchar_t* kRecordProps[Desktop::kAlphaRecordFields] = {
    L"Sorelka.Alpha.Layering", L"Sorelka.Alpha.Before", L"Sorelka.Alpha.ColorKey",
    L"Sorelka.Alpha.InstanceWindow", L"Sorelka.Alpha.InstanceProcess"};

BOOL CALLBACK CollectWindow(HWND w, LPARAM list) {
  reinterpret_cast<std::vector<Hwnd>*>(list)->push_back(FromHwnd(w));
  return TRUE;
}
}  // namespace

Desktop::Layering Win32Desktop::ReadLayering(Hwnd w) {
  Layering l;
  const HWND h = ToHwnd(w);
  if (!::IsWindow(h)) return l;
  l.layered = (GetWindowLongW(h, GWL_EXSTYLE) & WS_EX_LAYERED) != 0;
  if (!l.layered) {
    l.known = true;
    return l;
  }
  // Windows 2000 cannot say; a window drawn with UpdateLayeredWindow makes the call fail.
  const GetLayeredFn get = GetLayeredWindowAttributesFn();
  COLORREF key = 0;
  BYTE alpha = 255;
  DWORD flags = 0;
  if (!get || !get(h, &key, &alpha, &flags)) return l;
  l.known = true;
  l.colorKey = key;
  l.alpha = alpha;
  l.flags = flags;
  return l;
}

bool Win32Desktop::SetLayeredAttributes(Hwnd w, const Layering& a) {
  const SetLayeredFn set = SetLayeredWindowAttributesFn();
  const HWND h = ToHwnd(w);
  if (!set || !::IsWindow(h) || !(GetWindowLongW(h, GWL_EXSTYLE) & WS_EX_LAYERED)) return false;
  return set(h, a.colorKey, a.alpha, a.flags) != FALSE;
}

Desktop::StyleChange Win32Desktop::RequestLayeredStyle(Hwnd w, bool layered, const Layering& then) {
  const HWND h = ToHwnd(w);
  const SetLayeredFn set = SetLayeredWindowAttributesFn();
  if (!set || !::IsWindow(h)) return StyleChange::Failed;
  if (GetWindowThreadProcessId(h, nullptr) != GetCurrentThreadId())
    return styles_.Queue(h, layered, then) ? StyleChange::Queued : StyleChange::Failed;
  // A window of this thread: the change is a call like any other.
  const LONG ex = GetWindowLongW(h, GWL_EXSTYLE);
  if (layered) {
    if (!(ex & WS_EX_LAYERED)) SetWindowLongW(h, GWL_EXSTYLE, ex | WS_EX_LAYERED);
    return set(h, then.colorKey, then.alpha, then.flags) ? StyleChange::Done : StyleChange::Failed;
  }
  if (ex & WS_EX_LAYERED) {
    SetWindowLongW(h, GWL_EXSTYLE, ex & ~WS_EX_LAYERED);
    RedrawWindow(h, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
  }
  return StyleChange::Done;
}

std::vector<Desktop::StyleOutcome> Win32Desktop::TakeStyleOutcomes() { return styles_.TakeOutcomes(); }

bool Win32Desktop::WaitForStyleChanges(std::uint32_t ms) { return styles_.WaitIdle(ms); }

std::uint32_t Win32Desktop::WindowProcess(Hwnd w) {
  DWORD pid = 0;
  if (!GetWindowThreadProcessId(ToHwnd(w), &pid)) return 0;
  return pid;
}

std::uint32_t Win32Desktop::OwnProcess() { return GetCurrentProcessId(); }

bool Win32Desktop::ProcessRuns(std::uint32_t process) {
  if (process == 0) return false;
  const ScopedHandle p(OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, process));
  if (!p) return GetLastError() == ERROR_ACCESS_DENIED;  // there, but not ours to look into
  DWORD code = 0;
  return GetExitCodeProcess(p.get(), &code) && code == STILL_ACTIVE;
}

std::vector<Hwnd> Win32Desktop::TopLevelWindows() {
  std::vector<Hwnd> list;
  EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&list));
  return list;
}

// Each value is stored as the property's handle; only its low 32 bits are read back, so both
// builds read what either wrote.
bool Win32Desktop::WriteAlphaRecord(Hwnd w, const AlphaRecordValues& values) {
  bool all = true;
  for (std::size_t i = 0; i < kAlphaRecordFields; ++i)
    all &= SetPropW(ToHwnd(w), kRecordProps[i], reinterpret_cast<HANDLE>(static_cast<std::uintptr_t>(values[i]))) != FALSE;
  return all;
}

Desktop::AlphaRecordValues Win32Desktop::ReadAlphaRecord(Hwnd w) {
  AlphaRecordValues values{};
  for (std::size_t i = 0; i < kAlphaRecordFields; ++i)
    values[i] = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(GetPropW(ToHwnd(w), kRecordProps[i])));
  return values;
}

void Win32Desktop::RemoveAlphaRecord(Hwnd w) {
  for (const wchar_t* name : kRecordProps) RemovePropW(ToHwnd(w), name);
}

}  // namespace sorelka::shell
