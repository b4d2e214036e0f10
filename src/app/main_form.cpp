// Start-up, shutdown and the routing of events to their handlers.
#include "app/main_form.h"

#include "app/readout.h"
#include "dialogs/home_page.h"

namespace sorelka {

void MainForm::Load() {
  onTopApplied = kFalse;
  EnableSendOptions(false);
  form_.SetMenuChecked(Menu::Skeleton, false);

  // Frame1 spans the client width; Frame4 covers it with their bottom edges together.
  TwipRect f1 = form_.Bounds(Ctl::Frame1);
  f1.width = form_.ScaleWidth();
  f1.left = 10;
  form_.Move(Ctl::Frame1, f1);
  TwipRect f4 = form_.Bounds(Ctl::Frame4);
  f4.left = f1.left;
  f4.width = f1.width;
  f4.top = f1.top - (f4.height - f1.height);
  form_.Move(Ctl::Frame4, f4);
  TwipRect f2 = form_.Bounds(Ctl::Frame2);
  f2.left = f1.left;
  form_.Move(Ctl::Frame2, f2);

  translucentWindows.fill(0);
  ResetChatTarget(chatTarget);
}

void MainForm::Unload() { SkelResetClick(); }

void MainForm::EndClick() {
  Unload();
  exitRequested_ = true;
}

void MainForm::SetValueFromCode(Ctl c, int value) {
  if (form_.Value(c) == value) return;
  form_.SetValue(c, value);
  Click(c);
}

void MainForm::Click(Ctl c) {
  switch (c) {
    case Ctl::AA: AAClick(); break;
    case Ctl::SAKASA: SAKASAClick(); break;
    case Ctl::Default: DefaultClick(); break;
    case Ctl::EveryWord: EveryWordClick(); break;
    case Ctl::ActivatCheck: ActivatCheckClick(); break;
    case Ctl::Send: SendClick(); break;
    case Ctl::SkelReset: SkelResetClick(); break;
    default: break;  // every other control has no handler
  }
}

void MainForm::MenuClick(Menu m) {
  switch (m) {
    case Menu::End: EndClick(); break;
    case Menu::Help: if (dialogs_) dialogs_->Tip().Open(); break;
    case Menu::Info: if (dialogs_) dialogs_->About().Open(); break;
    case Menu::GoHome: GoHome(desktop_); break;
    default: break;  // the translucency panel comes later
  }
}

void MainForm::MouseDown(Ctl, int) {}
void MainForm::SendMouseMove() {}

void MainForm::ActivatCheckClick() {
  desktop_.SetTopMost(form_.WindowHandle(), form_.Value(Ctl::ActivatCheck) == 0);
}

void MainForm::Timer2Tick() {
  if (onTopApplied == kFalse) {
    SetValueFromCode(Ctl::ActivatCheck, 1);
    onTopApplied = kTrue;
  }
  const Text percent = BasicStr(SliderPercent(form_.Value(Ctl::Slider), kSliderMax, kSliderMin)) + u" %";
  form_.SetText(Ctl::Slider, percent);  // the slider's tip text
  form_.SetText(Ctl::Label2_0, u"Alpha " + percent);
}

// Restores every window whose opacity was changed; filled in with the translucency panel.
void MainForm::SkelResetClick() {}

}  // namespace sorelka
