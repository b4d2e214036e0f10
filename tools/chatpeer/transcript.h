// The read-only conversation view that sent lines move into.
#pragma once

#include <windows.h>

#include <string>

HWND CreateTranscript(HWND parent, int id);
// The answer to the transcript's WM_CTLCOLORSTATIC: window colours instead of the dialog's grey.
INT_PTR TranscriptColors(HDC dc);
void AppendTranscriptLine(HWND transcript, const std::wstring& speaker, const std::wstring& text);
