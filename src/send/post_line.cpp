#include "send/post_line.h"

#include <algorithm>
#include <optional>
#include <vector>


namespace sorelka {
namespace {

// Posts one message with lParam 0. A full queue means the target is busy, not gone: wait while
// it exists, answers and takes a message now and then. A failed post cannot be mended, and
// going on would type the line with a character missing.
bool Deliver(Desktop& desktop, Hwnd window, std::uint32_t message, std::uintptr_t wParam) {
  PostResult result = desktop.PostMessageA(window, message, wParam, 0);
  if (result == PostResult::Posted) return true;
  // The previous post went through just now, so the stall is measured from here.
  const std::uint32_t since = desktop.Milliseconds();
  while (result == PostResult::QueueFull) {
    if (!desktop.IsWindow(window) || desktop.IsHung(window)) return false;
    if (desktop.Milliseconds() - since >= kQueueStallMs) return false;  // wraps like timeGetTime
    desktop.Sleep(kQueueRetryMs);
    result = desktop.PostMessageA(window, message, wParam, 0);
  }
  return result == PostResult::Posted;
}

// The window that receives the send button's click, or none when the line is left unsent.
// SendNow counts whether or not it is enabled; in ASCII-art mode MSN Chat sends every line.
std::optional<Hwnd> SendCommandWindow(const ChatTarget& target, const DeliveryOptions& options) {
  if (target.Kind == KindChat && (options.sendNow || options.asciiArt)) return target.ChatDialog;
  if (target.Kind == KindMessenger && options.sendNow) return target.InputWindow;
  return std::nullopt;
}

}  // namespace

std::uint32_t Cp932Code(Desktop& desktop, char16_t unit) {
  const Ansi bytes = desktop.ToAnsi(TextView(&unit, 1));
  if (bytes.size() == 1) return static_cast<unsigned char>(bytes[0]);
  if (bytes.size() == 2) {
    const auto code = static_cast<std::int16_t>((static_cast<unsigned char>(bytes[0]) << 8) |
                                                static_cast<unsigned char>(bytes[1]));
    return static_cast<std::uint32_t>(static_cast<std::int32_t>(code));
  }
  return '?';
}

std::vector<std::uint32_t> LineCodes(Desktop& desktop, const Text& line) {
  // One conversion for the whole line is far cheaper than one per unit; it yields one code per
  // unit unless the line holds surrogates (or the conversion merged units), which go unit by unit.
  std::vector<std::uint32_t> codes;
  codes.reserve(line.size());
  const bool surrogates =
      std::any_of(line.begin(), line.end(), [](char16_t u) { return u >= 0xD800 && u <= 0xDFFF; });
  if (!surrogates) {
    const Ansi bytes = desktop.ToAnsi(line);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
      const auto lead = static_cast<unsigned char>(bytes[i]);
      if (desktop.IsLeadByte(lead) && i + 1 < bytes.size()) {
        const auto code = static_cast<std::int16_t>((lead << 8) | static_cast<unsigned char>(bytes[++i]));
        codes.push_back(static_cast<std::uint32_t>(static_cast<std::int32_t>(code)));
      } else {
        codes.push_back(lead);
      }
    }
    if (codes.size() == line.size()) return codes;
    codes.clear();
  }
  for (char16_t unit : line) codes.push_back(Cp932Code(desktop, unit));
  return codes;
}

bool PostLine(const Text& line, const ChatTarget& target, const DeliveryOptions& options,
              Desktop& desktop) {
  for (std::uint32_t code : LineCodes(desktop, line))
    if (!Deliver(desktop, target.InputWindow, kWmImeChar, code)) return false;

  const std::optional<Hwnd> commandWindow = SendCommandWindow(target, options);
  if (!commandWindow) return true;
  if (options.waitMs > 0) desktop.Sleep(options.waitMs);
  // MAKEWPARAM(id, BN_CLICKED): the identifier in the low word, notification 0 in the high word.
  const auto id = static_cast<std::uint16_t>(desktop.ControlId(target.SendButton));
  return Deliver(desktop, *commandWindow, kWmCommand, id);
}

}  // namespace sorelka
