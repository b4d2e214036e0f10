#include "modal_loops.h"
#include "shell_namespace.h"

namespace sorelka::shell {

namespace {

// The answer that does nothing: No to a question, Cancel where there is one, else OK.
int CancelAnswer(HWND box) {
  if (GetDlgItem(box, IDNO)) return IDNO;
  if (GetDlgItem(box, IDCANCEL)) return IDCANCEL;
  return IDOK;
}

// Ends the message boxes this thread has open (their dialog class is "#32770").
BOOL CALLBACK EndBox(HWND w, LPARAM) {
  wchar_t cls[16] = {};
  GetClassNameW(w, cls, 16);
  if (lstrcmpW(cls, L"#32770") == 0) EndDialog(w, CancelAnswer(w));
  return TRUE;
}

}  // namespace

void ModalLoops::Request(LoopRule::Ending e) {
  if (rule_.Request(e))
    CancelInnerWork();
  else
    PostFinish();
}

void ModalLoops::PostFinish() {
  if (main_) PostMessageW(main_, kMsgFinish, 0, 0);
}

void ModalLoops::CancelInnerWork() {
  EndMenu();  // an open popup menu returns no command
  EnumThreadWindows(GetCurrentThreadId(), EndBox, 0);
  // A pump of the program's own sees Closing() and returns; each loop's Scope then leaves,
  // and the last one posts the finish.
}

}  // namespace sorelka::shell
