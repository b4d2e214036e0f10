// A frame that really contains its controls: they move, hide and show with it. Draws the
// group-box border and a coloured caption, and hands its children's notifications to the
// main window, which owns every handler.
#pragma once
#include <windows.h>

namespace sorelka::win32 {

inline constexpr wchar_t kFrameClass[] = L"SorelkaFrame";

// Frame window data: the caption colour (CLR_INVALID: system text colour) and the font.
struct FrameLook {
  COLORREF captionColour;
  HFONT font;  // not owned
};

void RegisterFrameClass(HINSTANCE instance);
// `look` must outlive the window.
HWND CreateFrame(HWND parent, int id, const wchar_t* caption, const FrameLook* look, RECT px);

}  // namespace sorelka::win32
