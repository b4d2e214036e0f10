// frmTip: the tip window with the help text in a rich edit control.
#pragma once
#include "aux_window.h"
#include "shell_namespace.h"
#include "dialogs/dialogs.h"

namespace sorelka::shell {

class TipWindow final : public AuxWindow<TipWindow, TipWindowPort> {
 public:
  static constexpr wchar_t kClassName[] = L"SorelkaTipWindow";
  explicit TipWindow(TopLevelWindows& live) : AuxWindow(TipWindowDesc(), live) {}

  bool Load() override;
  void ShowAndFocus() override;

  // TipTextPort, over RichTextBox1
  void SetWholeText(const Text& text) override;
  int TextLength() override;
  void SetSelStart(int position) override;
  void SetSelColour(Colour colour) override;
  void SetSelEmphasis(bool on) override;
  void SetSelText(const Text& text) override;

 private:
  HWND Box() { return body().Control(TipCtl::RichTextBox1); }
  bool freshText_ = false;  // written since it was last shown
};

}  // namespace sorelka::shell
