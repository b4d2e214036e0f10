// The records that let a changed window be put back even after the program was killed: kept on
// the window itself, one per instance that changed it, and acted on only where the window's
// present state confirms them.
#pragma once
#include <optional>
#include <vector>

#include "platform/desktop.h"

namespace sorelka {

struct AlphaRecord {
  Desktop::Layering before;     // the layering before the first change of any instance
  Hwnd instanceWindow = 0;      // the main window of the instance that changed the window
  std::uint32_t instanceProcess = 0;
};

// Every value is nonzero, so a missing one (0) never passes for a value.
Desktop::AlphaRecordValues EncodeAlphaRecord(const AlphaRecord& record);
// The record, or nothing when any value is missing or out of its range.
std::optional<AlphaRecord> DecodeAlphaRecord(const Desktop::AlphaRecordEntry& entry);

// The instance that changed a window has ended when its process is gone, when its main window
// is gone or now belongs to another process (process ids and handles are reused), or when it
// had the id this very instance now has (an instance reads its own records from memory).
bool InstanceGone(Desktop& desktop, const AlphaRecord& record);

// The states this program makes: layered with an alpha alone, in the slider's range.
bool MadeByThisProgram(const Desktop::Layering& now);

// What the records on a window allow, read as one.
struct RecordReading {
  // An instance that still runs changed the window: its "before" holds, and no record is touched.
  bool running = false;
  // The layering to put back: from a record where one may be acted on, else the present one
  // (which may be unknown).
  Desktop::Layering before;
  bool fromRecord = false;  // `before` came from a record: the window is changed now
  // The records no running instance will remove (of ended instances, broken or disowned ones).
  std::vector<std::uint32_t> stale;
};
RecordReading ReadRecords(Desktop& desktop, Hwnd window);

}  // namespace sorelka
