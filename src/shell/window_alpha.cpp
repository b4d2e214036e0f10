// The window-alpha layer of the desktop port: layered windows of any program, through the
// layered-window functions loaded at run time; the layered bit of another thread's window is
// changed by the style worker, and each changed window carries its record as properties.
#include <algorithm>
#include <string>
#include <string_view>

#include "desktop_win32.h"
#include "shell_namespace.h"
#include "win32/dynamic_api.h"
#include "win32/handles.h"
#include "win32/system_error.h"

namespace sorelka::shell {

namespace {
// A record's properties: "Sorelka.Alpha.<process id>.<field>", in the order of the values.
constexpr wchar_t kRecordPrefix[] = L"Sorelka.Alpha.";
constexpr const wchar_t* kRecordFields[Desktop::kAlphaRecordFields] = {L"Layering", L"Before", L"ColorKey", L"Window"};
constexpr std::size_t kMostRecords = 64;  // more on one window than instances could write

std::wstring RecordProp(std::uint32_t process, std::size_t field) {
  return kRecordPrefix + DecimalText(process) + L"." + kRecordFields[field];
}

BOOL CALLBACK CollectWindow(HWND w, LPARAM list) {
  reinterpret_cast<std::vector<Hwnd>*>(list)->push_back(FromHwnd(w));
  return TRUE;
}

// The process ids named by the record properties on a window.
BOOL CALLBACK CollectRecord(HWND, LPWSTR name, HANDLE, ULONG_PTR list) {
  auto& processes = *reinterpret_cast<std::vector<std::uint32_t>*>(list);
  if (reinterpret_cast<ULONG_PTR>(name) <= 0xFFFF) return TRUE;  // an atom, not a name
  const std::wstring_view n(name);
  const std::wstring_view prefix(kRecordPrefix);
  if (n.substr(0, prefix.size()) != prefix) return TRUE;
  std::uint64_t process = 0;
  std::size_t i = prefix.size();
  for (; i < n.size() && n[i] >= L'0' && n[i] <= L'9' && process <= 0xFFFFFFFFu; ++i) process = process * 10 + (n[i] - L'0');
  if (i == prefix.size() || i >= n.size() || n[i] != L'.' || process > 0xFFFFFFFFu) return TRUE;
  if (std::find(processes.begin(), processes.end(), process) == processes.end()) processes.push_back(static_cast<std::uint32_t>(process));
  return processes.size() < kMostRecords;
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

bool Win32Desktop::LayeringReadable() { return GetLayeredWindowAttributesFn() != nullptr; }

Desktop::StyleChange Win32Desktop::RequestLayeredStyle(const StyleRequest& request) {
  const HWND h = ToHwnd(request.window);
  if (!SetLayeredWindowAttributesFn() || !::IsWindow(h)) return StyleChange::Failed;
  if (GetWindowThreadProcessId(h, nullptr) != GetCurrentThreadId())
    return styles_.Queue(request) ? StyleChange::Queued : StyleChange::Failed;
  // A window of this thread: the change is a call like any other.
  return ChangeLayeredBit(h, request.layered, request.then) == StyleResult::Done ? StyleChange::Done
                                                                                : StyleChange::Failed;
}

std::vector<Desktop::StyleOutcome> Win32Desktop::TakeStyleOutcomes() { return styles_.TakeOutcomes(); }

void Win32Desktop::AnnounceStyleOutcomesTo(Hwnd window) { styles_.AnnounceTo(ToHwnd(window)); }

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
bool Win32Desktop::WriteAlphaRecord(Hwnd w, std::uint32_t process, const AlphaRecordValues& values) {
  for (std::size_t i = 0; i < kAlphaRecordFields; ++i) {
    const HANDLE value = reinterpret_cast<HANDLE>(static_cast<std::uintptr_t>(values[i]));
    if (!SetPropW(ToHwnd(w), RecordProp(process, i).c_str(), value)) {
      RemoveAlphaRecord(w, process);  // half a record would pass for none, or for a broken one
      return false;
    }
  }
  return true;
}

std::vector<Desktop::AlphaRecordEntry> Win32Desktop::ReadAlphaRecords(Hwnd w) {
  std::vector<std::uint32_t> processes;
  EnumPropsExW(ToHwnd(w), CollectRecord, reinterpret_cast<LPARAM>(&processes));
  std::vector<AlphaRecordEntry> records;
  for (std::uint32_t process : processes) {
    AlphaRecordEntry e{process, {}};
    for (std::size_t i = 0; i < kAlphaRecordFields; ++i)
      e.values[i] = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(GetPropW(ToHwnd(w), RecordProp(process, i).c_str())));
    records.push_back(e);
  }
  return records;
}

void Win32Desktop::RemoveAlphaRecord(Hwnd w, std::uint32_t process) {
  for (std::size_t i = 0; i < kAlphaRecordFields; ++i) RemovePropW(ToHwnd(w), RecordProp(process, i).c_str());
}

}  // namespace sorelka::shell
