#include "translucency/alpha_record.h"

namespace sorelka {

namespace {
enum Field { kLayering, kAlpha, kKey, kWindow };
constexpr std::uint32_t kPresent8 = 0x100;        // above an 8-bit value
constexpr std::uint32_t kLayeredBit = 0x200;
constexpr std::uint32_t kPresent24 = 0x1000000;   // above a 24-bit colour
constexpr std::uint32_t kLwaFlags = 0x3;          // LWA_COLORKEY | LWA_ALPHA
constexpr std::uint32_t kLwaAlpha = 2;
constexpr int kLowestAlpha = 30;                  // the slider's minimum

// A window handle travels as its low 32 bits, which are all that is significant in both
// builds; it comes back sign-extended, as the system does between 32- and 64-bit programs.
std::uint32_t HandleValue(Hwnd h) { return static_cast<std::uint32_t>(h); }
Hwnd HandleFrom(std::uint32_t v) {
  return static_cast<Hwnd>(static_cast<std::intptr_t>(static_cast<std::int32_t>(v)));
}
}  // namespace

Desktop::AlphaRecordValues EncodeAlphaRecord(const AlphaRecord& r) {
  Desktop::AlphaRecordValues v{};
  v[kLayering] = kPresent8 | (r.before.layered ? kLayeredBit : 0) | (r.before.flags & kLwaFlags);
  v[kAlpha] = kPresent8 | r.before.alpha;
  v[kKey] = kPresent24 | (r.before.colorKey & 0xFFFFFF);
  v[kWindow] = HandleValue(r.instanceWindow);
  return v;
}

std::optional<AlphaRecord> DecodeAlphaRecord(const Desktop::AlphaRecordEntry& e) {
  const Desktop::AlphaRecordValues& v = e.values;
  const bool valid = (v[kLayering] & ~(kPresent8 | kLayeredBit | kLwaFlags)) == 0 && (v[kLayering] & kPresent8) &&
                     (v[kAlpha] & ~(kPresent8 | 0xFF)) == 0 && (v[kAlpha] & kPresent8) &&
                     (v[kKey] & ~(kPresent24 | 0xFFFFFF)) == 0 && (v[kKey] & kPresent24) &&
                     v[kWindow] != 0 && e.process != 0;
  if (!valid) return std::nullopt;
  AlphaRecord r;
  r.before.known = true;
  r.before.layered = (v[kLayering] & kLayeredBit) != 0;
  r.before.flags = v[kLayering] & kLwaFlags;
  r.before.alpha = static_cast<std::uint8_t>(v[kAlpha] & 0xFF);
  r.before.colorKey = v[kKey] & 0xFFFFFF;
  r.instanceWindow = HandleFrom(v[kWindow]);
  r.instanceProcess = e.process;
  return r;
}

bool InstanceGone(Desktop& desktop, const AlphaRecord& r) {
  return r.instanceProcess == desktop.OwnProcess() || !desktop.ProcessRuns(r.instanceProcess) ||
         !desktop.IsWindow(r.instanceWindow) || desktop.WindowProcess(r.instanceWindow) != r.instanceProcess;
}

bool MadeByThisProgram(const Desktop::Layering& now) {
  return now.known && now.layered && now.flags == kLwaAlpha && now.alpha >= kLowestAlpha;
}

RecordReading ReadRecords(Desktop& desktop, Hwnd window) {
  RecordReading reading;
  std::optional<AlphaRecord> first;  // the first readable record of an ended instance
  for (const Desktop::AlphaRecordEntry& entry : desktop.ReadAlphaRecords(window)) {
    const auto record = DecodeAlphaRecord(entry);
    // A record still being written by an instance that runs is that instance's, whole or not.
    const bool gone = record ? InstanceGone(desktop, *record)
                             : entry.process == desktop.OwnProcess() || !desktop.ProcessRuns(entry.process);
    if (!gone) {
      if (record && !reading.running) reading.before = record->before;
      reading.running = true;
    } else {
      reading.stale.push_back(entry.process);
      if (record && !first) first = record;
    }
  }
  if (reading.running) {
    reading.fromRecord = reading.before.known;
    reading.stale.clear();
    return reading;
  }
  const Desktop::Layering now = desktop.ReadLayering(window);
  reading.before = now;
  // Only a present state this program makes confirms a record; where the alpha cannot be read
  // (Windows 2000), only a record that puts back "not layered", which no program can miss.
  const bool confirmed = first && now.layered &&
                         (desktop.LayeringReadable() ? MadeByThisProgram(now) : !first->before.layered);
  if (confirmed) {
    reading.before = first->before;
    reading.fromRecord = true;
  }
  return reading;
}

}  // namespace sorelka
