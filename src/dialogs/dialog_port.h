// The port of a window of our own besides the main window (the tip and version windows): the
// behaviour loads, shows and unloads it; the Win32 shell implements it, unit tests fake it.
#pragma once
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

}  // namespace sorelka
