// The baseline for the assistant's memory, start-up and idle figures: the least a window like
// its main window needs. One control of each class the main window makes at start, a menu bar,
// the same fonts made the same way, and the common-controls 6 manifest (baseline_window.rc);
// nothing more. The captions are Japanese so the fonts draw the same kind of glyphs.
// Two options make it the assistant's equal in what its required design costs, to tell that
// apart from what the program adds: `--copies 3` makes each control three times (30 children,
// as the main window has), `--timers` runs two timers at 50 and 100 ms that do nothing.
#include <windows.h>
#include <commctrl.h>
#include <stdlib.h>
#include <wchar.h>

#include "shell/fonts.h"

namespace {

// The assistant's own font table, made the way it makes it.
HFONT g_fonts[sorelka::kFontCount];

struct ChildDef {
  const wchar_t* cls;
  const wchar_t* caption;
  DWORD style, exStyle;
  int x, y, w, h, font;
};
const ChildDef kChildren[] = {
    {L"BUTTON", L"枠", BS_GROUPBOX, 0, 8, 8, 380, 250, 2},
    {L"BUTTON", L"確認", BS_AUTOCHECKBOX | WS_TABSTOP, 0, 20, 30, 100, 20, 2},
    {L"BUTTON", L"選択", BS_AUTORADIOBUTTON | WS_TABSTOP, 0, 130, 30, 100, 20, 3},
    {L"BUTTON", L"送信", BS_PUSHBUTTON | WS_TABSTOP, 0, 240, 30, 100, 24, 1},
    {L"STATIC", L"文字化け", SS_LEFT | SS_NOPREFIX | SS_NOTIFY, 0, 20, 60, 150, 16, 1},
    {L"STATIC", nullptr, SS_ICON, 0, 200, 60, 16, 16, 0},
    {L"EDIT", L"前の文字", ES_CENTER | ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, 20, 90, 200, 22, 2},
    {L"EDIT", L"メッセージ", ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL | WS_VSCROLL | WS_HSCROLL | WS_TABSTOP,
     WS_EX_CLIENTEDGE, 20, 120, 350, 80, 0},
    {TRACKBAR_CLASSW, nullptr, TBS_HORZ | TBS_AUTOTICKS | WS_TABSTOP, 0, 20, 210, 200, 30, 0},
    {STATUSCLASSNAMEW, L"チャット", 0, 0, 0, 0, 0, 0, 2},
};

// The number after `name` on the command line, `absent` without the option.
int Option(const wchar_t* name, int absent) {
  const wchar_t* at = wcsstr(GetCommandLineW(), name);
  if (!at) return absent;
  at += wcslen(name);
  return *at == L' ' ? _wtoi(at + 1) : absent;
}

LRESULT CALLBACK Proc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  if (m == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcW(w, m, wp, lp);
}

HMENU MakeMenuBar() {
  HMENU bar = CreateMenu();
  HMENU popup = CreatePopupMenu();
  AppendMenuW(popup, MF_STRING, 101, L"終了");
  AppendMenuW(bar, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(popup), L"ファイル");
  AppendMenuW(bar, MF_STRING, 102, L"ヘルプ");
  return bar;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_BAR_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&icc);
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  for (int i = 0; i < sorelka::kFontCount; ++i) g_fonts[i] = sorelka::shell::MakeFont(static_cast<sorelka::Font>(i), dpi);

  WNDCLASSW wc{};
  wc.lpfnWndProc = Proc;
  wc.hInstance = instance;
  wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  wc.lpszClassName = L"BaselineWindow";
  RegisterClassW(&wc);
  HWND w = CreateWindowExW(0, L"BaselineWindow", L"Baseline window", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU,
                           CW_USEDEFAULT, CW_USEDEFAULT, 410, 400, nullptr, MakeMenuBar(), instance, nullptr);
  const int copies = Option(L"--copies", 1);
  for (int copy = 0; copy < copies; ++copy) {
    for (const ChildDef& c : kChildren) {
      HWND h = CreateWindowExW(c.exStyle, c.cls, c.caption ? c.caption : L"", WS_CHILD | WS_VISIBLE | c.style,
                               c.x + copy * 4, c.y + copy * 4, c.w, c.h, w, nullptr, instance, nullptr);
      SendMessageW(h, WM_SETFONT, reinterpret_cast<WPARAM>(g_fonts[c.font]), FALSE);
      if (c.style == SS_ICON)
        SendMessageW(h, STM_SETICON,
                     reinterpret_cast<WPARAM>(LoadImageW(nullptr, IDI_INFORMATION, IMAGE_ICON, 16, 16, LR_SHARED)), 0);
    }
  }
  ShowWindow(w, show);
  if (wcsstr(GetCommandLineW(), L"--timers")) {
    SetTimer(w, 1, 50, nullptr);
    SetTimer(w, 2, 100, nullptr);
  }
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (IsDialogMessageW(w, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  for (HFONT f : g_fonts) DeleteObject(f);
  return 0;
}
