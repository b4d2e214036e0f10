// Reading another process's status bar: its messages fill a buffer that must live in that
// process, so the buffer is allocated there and copied back.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

// Memory committed in another process, released with it.
class RemoteBuffer {
 public:
  RemoteBuffer(HANDLE process, SIZE_T size) : process_(process), size_(size) {
    at_ = VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
  }
  ~RemoteBuffer() {
    if (at_) VirtualFreeEx(process_, at_, 0, MEM_RELEASE);
  }
  RemoteBuffer(const RemoteBuffer&) = delete;
  RemoteBuffer& operator=(const RemoteBuffer&) = delete;

  bool valid() const { return at_ != nullptr; }
  LPARAM address() const { return reinterpret_cast<LPARAM>(at_); }
  SIZE_T size() const { return size_; }
  bool Read(void* into, SIZE_T bytes) const {
    SIZE_T got = 0;
    return ReadProcessMemory(process_, at_, into, bytes, &got) && got == bytes;
  }
  bool ReadAt(SIZE_T offset, void* into, SIZE_T bytes) const {
    SIZE_T got = 0;
    return ReadProcessMemory(process_, static_cast<char*>(at_) + offset, into, bytes, &got) && got == bytes;
  }
  bool Write(SIZE_T offset, const void* from, SIZE_T bytes) const {
    SIZE_T put = 0;
    return WriteProcessMemory(process_, static_cast<char*>(at_) + offset, from, bytes, &put) && put == bytes;
  }
  bool Clear() const {
    std::vector<char> zeros(size_);
    SIZE_T put = 0;
    return WriteProcessMemory(process_, at_, zeros.data(), size_, &put) != 0;
  }

 private:
  HANDLE process_;
  SIZE_T size_;
  void* at_ = nullptr;
};

struct StatusPanels {
  bool ok = false;                 // false: the process could not be opened or read
  std::vector<int> rightEdges;     // SB_GETPARTS, pixels
  std::vector<std::wstring> texts;
};

StatusPanels ReadStatusPanels(HWND statusBar);

}  // namespace e2e
