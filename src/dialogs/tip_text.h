// The help text of the tip window: one row per insertion into its rich text box, each with
// the colour and emphasis it is written in, and the procedure that writes them.
#pragma once
#include <array>

#include "platform/colour.h"
#include "platform/dialog_port.h"
#include "platform/types.h"

namespace sorelka {

inline constexpr Colour kBlack{0, 0, 0};

struct TipRow {
  Colour colour;
  bool emphasis;  // shown bold
  const char16_t* text;
};

inline constexpr std::size_t kTipRowCount = 16;
const std::array<TipRow, kTipRowCount>& TipRows();

// Writes the help text row by row, each at the end of what is already there.
void FillTipText(TipTextPort& box);

}  // namespace sorelka
