// The Japanese user-interface font all peer windows share.
#pragma once

#include "win32/handles.h"

// The first installed face of a list of Japanese UI fonts (Windows names first, then the
// free fonts Wine finds on Linux); the stock GUI font if none is there.
sorelka::win32::ScopedFont CreateJapaneseUiFont();

// Sets the font on a window and all its descendants.
void ApplyFont(HWND root, HFONT font);
