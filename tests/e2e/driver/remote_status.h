// Reading another process's status bar: its messages fill a buffer that must live in that
// process, so the buffer is allocated there and copied back.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

struct StatusPanels {
  bool ok = false;                 // false: the process could not be opened or read
  std::vector<int> rightEdges;     // SB_GETPARTS, pixels
  std::vector<std::wstring> texts;
};

StatusPanels ReadStatusPanels(HWND statusBar);

}  // namespace e2e
