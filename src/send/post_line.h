// Line delivery: types one composed line into the chosen chat window by posted messages and,
// when the target and the options call for it, presses the window's send button.
#pragma once
#include <cstdint>
#include <optional>
#include <vector>

#include "discovery/chat_target.h"
#include "platform/desktop.h"
#include "platform/event_loop.h"
#include "send/send_request.h"

namespace sorelka {

inline constexpr std::uint32_t kWmImeChar = 0x0286;  // WM_IME_CHAR
inline constexpr std::uint32_t kWmCommand = 0x0111;  // WM_COMMAND

// A post refused for a full queue is tried again every kQueueRetryMs; when no post has gone
// through for kQueueStallMs the target is taken as stuck and the send stops.
inline constexpr std::uint32_t kQueueRetryMs = 10;
inline constexpr std::uint32_t kQueueStallMs = 5000;

// The code posted for one UTF-16 unit: its code page 932 code, a single byte as is (0..255), a
// double-byte code (lead byte high) sign-extended from 16 to 32 bits. A unit without a code,
// a lone surrogate among them, is typed as the system's default character '?'.
std::uint32_t Cp932Code(Desktop& desktop, char16_t unit);

// The codes of every unit of `line`, as Cp932Code gives them.
std::vector<std::uint32_t> LineCodes(Desktop& desktop, const Text& line);

// The window that receives the send button's click, or none when the line is left unsent.
std::optional<Hwnd> SendCommandWindow(const ChatTarget& target, const DeliveryOptions& options);

// Posts WM_IME_CHAR for every unit of `line` to target.InputWindow, then, when due, pauses for
// options.waitMs and posts the send button's WM_COMMAND. Returns true when all of it was
// delivered; false when the target stopped taking messages (gone, hung, queue stuck full, or
// a post failed), so the caller sends nothing more and keeps the user's text. Waits by
// sleeping: the window's own sends go through SendJob instead.
bool PostLine(const Text& line, const ChatTarget& target, const DeliveryOptions& options,
              Desktop& desktop, EventLoop& loop);

}  // namespace sorelka
