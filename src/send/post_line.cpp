#include "send/post_line.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "send/send_job.h"
#include "send/wait_value.h"


namespace sorelka {
namespace {

}  // namespace

// SendNow counts whether or not it is enabled; in ASCII-art mode MSN Chat sends every line.
std::optional<Hwnd> SendCommandWindow(const ChatTarget& target, const DeliveryOptions& options) {
  if (target.Kind == KindChat && (options.sendNow || options.asciiArt)) return target.ChatDialog;
  if (target.Kind == KindMessenger && options.sendNow) return target.InputWindow;
  return std::nullopt;
}

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
              Desktop& desktop, EventLoop& loop) {
  SendJob job(target, options, {line});
  while (true) {
    switch (job.Run(desktop, loop, kMaxWaitMs)) {
      case SendJob::State::Finished: return true;
      case SendJob::State::Stopped: return false;
      case SendJob::State::Waiting: {
        const auto left = static_cast<std::int32_t>(job.WakeAt() - loop.Milliseconds());
        if (left > 0) loop.Sleep(static_cast<std::uint32_t>(left));
        break;
      }
      case SendJob::State::Working: break;
    }
  }
}

}  // namespace sorelka
