#include "translucency/alpha_record.h"

namespace sorelka {

namespace {
enum Field { kLayering, kAlpha, kKey, kWindow, kProcess };
constexpr std::uint32_t kPresent8 = 0x100;        // above an 8-bit value
constexpr std::uint32_t kLayeredBit = 0x200;
constexpr std::uint32_t kPresent24 = 0x1000000;   // above a 24-bit colour
constexpr std::uint32_t kLwaFlags = 0x3;          // LWA_COLORKEY | LWA_ALPHA

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
  v[kProcess] = r.instanceProcess;
  return v;
}

std::optional<AlphaRecord> DecodeAlphaRecord(const Desktop::AlphaRecordValues& v) {
  const bool valid = (v[kLayering] & ~(kPresent8 | kLayeredBit | kLwaFlags)) == 0 && (v[kLayering] & kPresent8) &&
                     (v[kAlpha] & ~(kPresent8 | 0xFF)) == 0 && (v[kAlpha] & kPresent8) &&
                     (v[kKey] & ~(kPresent24 | 0xFFFFFF)) == 0 && (v[kKey] & kPresent24) &&
                     v[kWindow] != 0 && v[kProcess] != 0;
  if (!valid) return std::nullopt;
  AlphaRecord r;
  r.before.known = true;
  r.before.layered = (v[kLayering] & kLayeredBit) != 0;
  r.before.flags = v[kLayering] & kLwaFlags;
  r.before.alpha = static_cast<std::uint8_t>(v[kAlpha] & 0xFF);
  r.before.colorKey = v[kKey] & 0xFFFFFF;
  r.instanceWindow = HandleFrom(v[kWindow]);
  r.instanceProcess = v[kProcess];
  return r;
}

bool InstanceGone(Desktop& desktop, const AlphaRecord& r) {
  return r.instanceProcess == desktop.OwnProcess() || !desktop.ProcessRuns(r.instanceProcess) ||
         !desktop.IsWindow(r.instanceWindow) || desktop.WindowProcess(r.instanceWindow) != r.instanceProcess;
}

}  // namespace sorelka
