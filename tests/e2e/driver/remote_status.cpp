#include "remote_status.h"

#include <commctrl.h>

namespace e2e {

namespace {

struct ProcessHandle {
  HANDLE h;
  explicit ProcessHandle(HANDLE handle) : h(handle) {}
  ~ProcessHandle() {
    if (h) CloseHandle(h);
  }
};

LRESULT Send(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
  DWORD_PTR result = 0;
  // A hung program must not hang the test: give up after two seconds.
  if (!SendMessageTimeoutW(w, msg, wp, lp, SMTO_ABORTIFHUNG, 2000, &result)) return -1;
  return static_cast<LRESULT>(result);
}

}  // namespace

StatusPanels ReadStatusPanels(HWND statusBar) {
  StatusPanels panels;
  DWORD pid = 0;
  GetWindowThreadProcessId(statusBar, &pid);
  ProcessHandle process(OpenProcess(
      PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE | PROCESS_QUERY_INFORMATION,
      FALSE, pid));
  if (!process.h) return panels;
  constexpr int kMaxParts = 256;  // the most panels a status bar can have
  RemoteBuffer buffer(process.h, 64 * 1024);
  if (!buffer.valid()) return panels;

  int count = static_cast<int>(Send(statusBar, SB_GETPARTS, kMaxParts, buffer.address()));
  if (count < 0 || count > kMaxParts) return panels;
  panels.rightEdges.resize(count);
  if (count > 0 && !buffer.Read(panels.rightEdges.data(), count * sizeof(int))) return panels;

  for (int i = 0; i < count; ++i) {
    LRESULT lengthAndType = Send(statusBar, SB_GETTEXTLENGTHW, i, 0);
    size_t length = LOWORD(lengthAndType);
    size_t capacity = buffer.size() / sizeof(wchar_t) - 1;
    if (length > capacity) length = capacity;
    buffer.Clear();
    Send(statusBar, SB_GETTEXTW, i, buffer.address());
    std::wstring text(length, L'\0');
    if (length > 0 && !buffer.Read(text.data(), length * sizeof(wchar_t))) return panels;
    panels.texts.push_back(text);
  }
  panels.ok = true;
  return panels;
}

}  // namespace e2e
