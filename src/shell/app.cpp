#include "app.h"
#include "shell_namespace.h"

#include <commctrl.h>

#include "win32_error.h"

namespace sorelka::shell {

App::App() : resources_(ScreenDpi()) { form_.AttachDialogs(aux_.dialogs()); }

int App::Run(int showCommand) {
  if (!guard_.Install()) {
    ReportFailure(L"The program's message hook could not be set.", GetLastError());
    return 1;
  }
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_BAR_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&icc);

  if (!window_.Create()) {
    DWORD error = 0;
    const wchar_t* what = window_.Failure(&error);
    ReportFailure(what, error);
    return 1;
  }
  window_.Show(showCommand);
  const auto keys = [this](MSG& msg) { return window_.PreTranslate(msg) || aux_.PreTranslate(msg); };
  loop_.SetPreTranslate(keys);

  MSG msg{};
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (keys(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}

}  // namespace sorelka::shell
