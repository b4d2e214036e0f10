#include "tip_window.h"
#include "shell_namespace.h"

#include "win32/dynamic_api.h"

#include <richedit.h>

namespace sorelka::shell {

namespace {
// The rich edit control every Windows since 2000 ships; loaded only when the tip first opens
// and kept for the life of the process.
void LoadRichEdit() {
  static HMODULE library = LoadSystemLibrary(L"riched20.dll");
  (void)library;
}

void SetSelectionFormat(HWND box, DWORD mask, DWORD effects, COLORREF colour) {
  CHARFORMAT2W cf{};
  cf.cbSize = sizeof cf;
  cf.dwMask = mask;
  cf.dwEffects = effects;  // a colour given is no longer the automatic one
  cf.crTextColor = colour;
  SendMessageW(box, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf));
}
}  // namespace

// Without the library the box's class is missing and the window fails with that reason.
bool TipWindow::Load() {
  LoadRichEdit();
  return AuxWindow::Load();
}

void TipWindow::ShowAndFocus() {
  HWND box = Box();
  if (box && freshText_) {
    // Written by now: the reader may select and copy it but not change it, from its top.
    SendMessageW(box, EM_SETREADONLY, TRUE, 0);
    SendMessageW(box, WM_VSCROLL, SB_TOP, 0);
    freshText_ = false;
  }
  AuxWindow::ShowAndFocus();
}

void TipWindow::SetWholeText(const Text& text) {
  if (HWND box = Box()) {
    SendMessageW(box, EM_SETREADONLY, FALSE, 0);
    freshText_ = true;
    SendMessageW(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(W(text)));
  }
}

// In selection positions: a paragraph break counts one, as the control keeps it.
int TipWindow::TextLength() {
  GETTEXTLENGTHEX how{GTL_NUMCHARS | GTL_PRECISE, 1200};
  return static_cast<int>(SendMessageW(Box(), EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&how), 0));
}

void TipWindow::SetSelStart(int position) {
  CHARRANGE range{position, position};
  SendMessageW(Box(), EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
}

void TipWindow::SetSelColour(Colour colour) {
  SetSelectionFormat(Box(), CFM_COLOR, 0, ToColorRef(colour));
}

void TipWindow::SetSelEmphasis(bool on) { SetSelectionFormat(Box(), CFM_BOLD, on ? CFE_BOLD : 0, 0); }

void TipWindow::SetSelText(const Text& text) {
  SendMessageW(Box(), EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(W(text)));
}

}  // namespace sorelka::shell
