// The slider's readout while its thumb moves: a tracking tooltip with no owner. Under Wine a
// window owned by the main window (the trackbar's own tooltip included) keeps the main window
// out of the topmost band; an unowned one does not.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <string>

namespace sorelka::win32 {

class SliderTip {
 public:
  SliderTip() = default;
  ~SliderTip() { Destroy(); }
  SliderTip(const SliderTip&) = delete;
  SliderTip& operator=(const SliderTip&) = delete;

  void Create(HWND slider);
  void Destroy();
  // Shows `text` over the thumb, or moves it there when shown already.
  void Show(const std::wstring& text);
  void SetText(const std::wstring& text);  // when shown: the new readout
  void Hide();

 private:
  TOOLINFOW Tool(const wchar_t* text) const;

  HWND tip_ = nullptr;  // owned: destroyed by Destroy
  HWND slider_ = nullptr;
  bool shown_ = false;
};

}  // namespace sorelka::win32
