// Loaded into the program by the driver's message hook: sends WM_DPICHANGED from the program's
// own thread, as Windows does when the window moves to a screen of another DPI (Wine never
// does). The driver posts kAsk with lParam the address, in the program, of a DpiAsk.
#include <windows.h>

struct DpiAsk {
  RECT suggested;
  LONG dpi;
  LONG done;
};

extern "C" __declspec(dllexport) LRESULT CALLBACK DpiHook(int code, WPARAM removed, LPARAM lp) {
  static const UINT kAsk = RegisterWindowMessageW(L"SorelkaE2E.DpiChanged");
  MSG& msg = *reinterpret_cast<MSG*>(lp);
  if (code == HC_ACTION && removed == PM_REMOVE && msg.message == kAsk) {
    auto* ask = reinterpret_cast<DpiAsk*>(msg.lParam);
    SendMessageW(msg.hwnd, 0x02E0, MAKEWPARAM(ask->dpi, ask->dpi), reinterpret_cast<LPARAM>(&ask->suggested));
    ask->done = 1;
    msg.message = WM_NULL;
  }
  return CallNextHookEx(nullptr, code, removed, lp);
}
