// frmAbout: the version window.
#pragma once
#include "aux_window.h"
#include "platform/dialog_port.h"

namespace sorelka::win32 {

class AboutWindow final : public AuxWindow<AboutWindow, DialogPort> {
 public:
  static constexpr wchar_t kClassName[] = L"SorelkaAboutWindow";
  explicit AboutWindow(TopLevelWindows& live) : AuxWindow(AboutWindowDesc(), live) {}
};

}  // namespace sorelka::win32
