// A container of the tip and version windows that paints its background and its picture
// (32 x 32, at its top left corner), and hands its children's colour questions and commands
// to the window.
#pragma once
#include <windows.h>
#include "shell_namespace.h"

#include "win32/base_window.h"

namespace sorelka::shell {

class PictureBox final : public BaseWindow<PictureBox> {
 public:
  static constexpr wchar_t kClassName[] = L"SorelkaPictureBox";

  // Neither handle is owned; a null background is the window's.
  PictureBox(HICON icon, HBRUSH background) : icon_(icon), background_(background) {}

 private:
  friend class BaseWindow<PictureBox>;
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp);
  LRESULT OnEraseBackground(HDC dc);
  void OnPaint();

  HICON icon_;
  HBRUSH background_;
};

}  // namespace sorelka::shell
