#include "event_log.h"

#include "text_codec.h"

JsonLine::JsonLine(const char* role, const char* msg) {
  body_ = std::string("{\"role\":\"") + role + "\",\"msg\":\"" + msg + "\"";
}

JsonLine& JsonLine::Index(int index) { return Number("index", index); }

JsonLine& JsonLine::Window(HWND hwnd) { return Hex("hwnd", reinterpret_cast<UINT_PTR>(hwnd)); }

JsonLine& JsonLine::Hex(const char* key, UINT_PTR value) {
  // Handles and message codes carry 32 bits of meaning in 64-bit processes too.
  body_ += std::string(",\"") + key + "\":\"" +
           Hex8(static_cast<unsigned long>(value & 0xFFFFFFFFu)) + "\"";
  return *this;
}

JsonLine& JsonLine::Number(const char* key, long value) {
  body_ += std::string(",\"") + key + "\":" + std::to_string(value);
  return *this;
}

JsonLine& JsonLine::Text(const char* key, const std::wstring& value) {
  body_ += std::string(",\"") + key + "\":\"" + JsonEscape(ToUtf8(value)) + "\"";
  return *this;
}

JsonLine& JsonLine::Ascii(const char* key, const char* value) {
  body_ += std::string(",\"") + key + "\":\"" + JsonEscape(value) + "\"";
  return *this;
}

std::string JsonLine::Finish() const {
  // "t": when the peer handled the message; "posted": when it was put in the queue (for a
  // posted message), which a peer slowed by its machine's load does not shift.
  return body_ + ",\"t\":" + std::to_string(GetTickCount()) + ",\"posted\":" +
         std::to_string(static_cast<DWORD>(GetMessageTime())) + "}\n";
}

namespace {

// Test scripts pass Unix paths; under Wine they become the matching DOS path. On Windows the
// function does not exist and the path is used as given.
std::wstring HostPath(const std::wstring& path) {
  if (path.size() < 2 || path[0] != L'/' || path[1] == L'/') return path;
  using ToDos = WCHAR*(CDECL*)(const char*);
  auto toDos = reinterpret_cast<ToDos>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_dos_file_name")));
  if (!toDos) return path;
  int n = WideCharToMultiByte(CP_UTF8, 0, path.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string unixPath(n > 0 ? n : 1, '\0');
  WideCharToMultiByte(CP_UTF8, 0, path.c_str(), -1, unixPath.data(), n, nullptr, nullptr);
  WCHAR* dos = toDos(unixPath.c_str());
  if (!dos) return path;
  std::wstring result = dos;
  HeapFree(GetProcessHeap(), 0, dos);  // the function allocates from the process heap
  return result;
}

}  // namespace

bool EventLog::Open(const std::wstring& path) {
  if (path.empty()) return true;
  // Append-only access makes each line land at the end even if a test writes to the file too.
  file_ = sorelka::win32::ScopedFile(CreateFileW(HostPath(path).c_str(), FILE_APPEND_DATA,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL, nullptr));
  return static_cast<bool>(file_);
}

void EventLog::Write(const JsonLine& line) {
  if (!file_) return;
  const std::string text = line.Finish();
  DWORD written = 0;
  // WriteFile is unbuffered, so a test polling the file sees the line as soon as this returns.
  WriteFile(file_.get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}
