// frmAbout: the version window.
#pragma once
#include "aux_window.h"
#include "shell_namespace.h"
#include "platform/dialog_port.h"

namespace sorelka::shell {

class AboutWindow final : public AuxWindow<AboutWindow, DialogPort> {
 public:
  static constexpr wchar_t kClassName[] = L"SorelkaAboutWindow";
  explicit AboutWindow(TopLevelWindows& live) : AuxWindow(AboutWindowDesc(), live) {}
};

}  // namespace sorelka::shell
