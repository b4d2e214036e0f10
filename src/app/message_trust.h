// Which window messages the program acts on by where they came from. Any program can post a
// message to any window, or send one from its own thread: a message whose parameters carry a
// pointer, or a change the system alone decides, is acted on only as the system delivers it.
// Plain C++ (no <windows.h>): the rules are tested natively.
#pragma once
#include <cstdint>

namespace sorelka {

// Messages the system only ever sends, each with a pointer in its lParam that the program
// reads: posted, the pointer means nothing, so the retrieving loop drops them.
inline constexpr std::uint32_t kMsgCreate = 0x0001, kMsgDrawItem = 0x002B, kMsgNcCreate = 0x0081,
                               kMsgDpiChanged = 0x02E0;
constexpr bool DroppedWhenPosted(std::uint32_t message) {
  return message == kMsgCreate || message == kMsgDrawItem || message == kMsgNcCreate || message == kMsgDpiChanged;
}

enum class Arrival {
  Posted,             // taken from the queue by a message loop
  SentOnOwnThread,    // sent by the window's own thread (the system's own, on Windows 10)
  SentFromElsewhere,  // sent from another thread or process (or the sender cannot be told)
};

// WM_DPICHANGED: the new resolution (wParam) and the suggested frame (lParam, may be absent).
enum class DpiAction { Ignore, Rescale, RescaleToSuggestion };
constexpr DpiAction DecideDpiChange(Arrival how, int dpi, bool hasSuggestion) {
  if (how != Arrival::SentOnOwnThread || dpi <= 0) return DpiAction::Ignore;
  return hasSuggestion ? DpiAction::RescaleToSuggestion : DpiAction::Rescale;
}

// WM_NCCREATE attaches a window's object: only while it has none, and only as CreateWindowEx
// of the program's own thread sends it (from elsewhere, lpCreateParams is another's value).
constexpr bool AttachAtNcCreate(Arrival how, bool hasObject) {
  return how == Arrival::SentOnOwnThread && !hasObject;
}

}  // namespace sorelka
