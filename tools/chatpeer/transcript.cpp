#include "transcript.h"

HWND CreateTranscript(HWND parent, int id) {
  HWND transcript = CreateWindowExW(
      WS_EX_CLIENTEDGE, L"EDIT", L"",
      WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL, 0, 0, 10,
      10, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr),
      nullptr);
  // A long session (or a benchmark's 20,000-character lines) outgrows the default limit.
  SendMessageW(transcript, EM_SETLIMITTEXT, 0, 0);
  return transcript;
}

void AppendTranscriptLine(HWND transcript, const std::wstring& speaker, const std::wstring& text) {
  const int end = GetWindowTextLengthW(transcript);
  std::wstring line = (end > 0 ? L"\r\n" : L"") + speaker + L": " + text;
  SendMessageW(transcript, EM_SETSEL, end, end);
  SendMessageW(transcript, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(line.c_str()));
  SendMessageW(transcript, EM_SCROLLCARET, 0, 0);
}

INT_PTR TranscriptColors(HDC dc) {
  SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  SetBkColor(dc, GetSysColor(COLOR_WINDOW));
  return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_WINDOW));
}
