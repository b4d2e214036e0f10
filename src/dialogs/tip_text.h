// The help text of the tip window: one row per insertion into its rich text box, each with
// the colour and emphasis it is written in, and the procedure that writes them.
#pragma once
#include <array>

#include "platform/colour.h"
#include "dialogs/dialog_port.h"
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

// The rich text box of the tip window, through the properties of its selection.
class TipTextPort {
 public:
  virtual ~TipTextPort() = default;
  virtual void SetWholeText(const Text& text) = 0;
  virtual int TextLength() = 0;              // UTF-16 units, as selection positions count them
  virtual void SetSelStart(int position) = 0;  // an empty selection (the insertion point)
  virtual void SetSelColour(Colour colour) = 0;
  virtual void SetSelEmphasis(bool on) = 0;
  virtual void SetSelText(const Text& text) = 0;  // replaces the selection, in its format
};

// Writes the help text row by row, each at the end of what is already there.
void FillTipText(TipTextPort& box);

}  // namespace sorelka
