// A frame that really contains its controls: they move, hide and show with it. Draws the
// group-box border and a coloured caption, and hands its children's notifications to the
// main window, which owns every handler.
#pragma once
#include <windows.h>
#include "shell_namespace.h"

#include "win32/base_window.h"

namespace sorelka::shell {

class FrameContainer final : public BaseWindow<FrameContainer> {
 public:
  static constexpr wchar_t kClassName[] = L"SorelkaFrame";

  // captionColour CLR_INVALID: the system's text colour. Made by the window builder, with this
  // object as its creation parameter; the caption's font comes with WM_SETFONT, borrowed.
  explicit FrameContainer(COLORREF captionColour) : captionColour_(captionColour) {}

 private:
  friend class BaseWindow<FrameContainer>;
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp);
  void OnPaint();
  void OnSetFont(HFONT font, bool redraw);
  LRESULT ToRoot(UINT msg, WPARAM wp, LPARAM lp);
  LRESULT MouseToRoot(UINT msg, WPARAM wp, LPARAM lp);

  COLORREF captionColour_;
  HFONT font_ = nullptr;
};

}  // namespace sorelka::shell
