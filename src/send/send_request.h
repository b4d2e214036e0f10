// One send as a plain value, taken from the window when Send is pressed: where the lines go,
// how they are composed and delivered, and the lines themselves.
#pragma once
#include <cstdint>
#include <vector>

#include "discovery/chat_target.h"
#include "platform/types.h"

namespace sorelka {

// What composition applies; each option counts only when ticked and enabled.
struct ComposeOptions {
  bool reverse = false;    // the reversed-text modes
  bool header = false;
  bool footer = false;
  bool everyWord = false;  // the insert around every character
  Text insert;             // the PlusWord text
};

// When a line is followed by the send button's click, and the pause before it.
struct DeliveryOptions {
  bool sendNow = false;      // ticked, whether or not enabled
  bool asciiArt = false;     // the AA mode: MSN Chat sends every line
  std::uint32_t waitMs = 0;  // the Wait value
};

struct SendRequest {
  ChatTarget target;
  ComposeOptions compose;
  DeliveryOptions delivery;
  std::vector<Text> lines;  // as the user wrote them, before composition
};

}  // namespace sorelka
