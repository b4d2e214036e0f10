// The ports of the program's windows besides the main window (whose port is the form port):
// the version window's, which the behaviour loads, shows and unloads, and the tip window's,
// which also writes the help text into its rich text box. The Win32 shell implements them,
// unit tests fake them.
#pragma once
#include "platform/colour.h"
#include "platform/types.h"

namespace sorelka {

class DialogPort {
 public:
  virtual ~DialogPort() = default;
  virtual bool Loaded() = 0;
  // Creates the window with its controls, not yet shown; false when the system could not.
  virtual bool Load() = 0;
  // Why the last Load failed, in the system's words.
  virtual Text LoadFailure() = 0;
  virtual void ShowAndFocus() = 0;  // makes it visible and gives it the keyboard focus
  virtual void Unload() = 0;        // destroys the window and everything in it
  virtual Hwnd WindowHandle() = 0;  // 0 while not loaded
};

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

// The tip window's port: a window as above, with its help text.
class TipWindowPort : public DialogPort, public TipTextPort {};

}  // namespace sorelka
