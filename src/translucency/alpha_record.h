// The record that lets a changed window be put back even after the program was killed: kept on
// the window itself as the desktop's alpha-record values, checked before any use.
#pragma once
#include <optional>

#include "platform/desktop.h"

namespace sorelka {

struct AlphaRecord {
  Desktop::Layering before;     // the layering to put back
  Hwnd instanceWindow = 0;      // the main window of the instance that changed the window
  std::uint32_t instanceProcess = 0;
};

// Every value is nonzero, so a missing one (0) never passes for a value.
Desktop::AlphaRecordValues EncodeAlphaRecord(const AlphaRecord& record);
// The record, or nothing when any value is missing or out of its range: such a window is left
// as it is.
std::optional<AlphaRecord> DecodeAlphaRecord(const Desktop::AlphaRecordValues& values);
inline bool HasAnyAlphaRecord(const Desktop::AlphaRecordValues& values) {
  for (std::uint32_t v : values)
    if (v != 0) return true;
  return false;
}

// At start: the instance that changed a window has ended when its process is gone, when its
// main window is gone or now belongs to another process (process ids and handles are reused),
// or when it had the id this very instance now has.
bool InstanceGone(Desktop& desktop, const AlphaRecord& record);

}  // namespace sorelka
