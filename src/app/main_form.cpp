#include "app/main_form.h"

#include "app/always_on_top.h"
#include "app/start_layout.h"
#include "app/home_page.h"
#include "discovery/status_display.h"

namespace sorelka {

void MainForm::Load() {
  readout_.Reset();
  sendOptions_.Load();
  sendOptions_.EnableSendOptions(false);
  form_.SetMenuChecked(Menu::Skeleton, false);
  PlaceFrames(form_);
  translucency_.Clear();
  translucency_.RestoreLeftovers();
  discovery_.Reset();
}

void MainForm::Unload() {
  if (unloaded_) return;
  unloaded_ = true;
  translucency_.ResetAllBeforeExit();
}

void MainForm::SetValueFromCode(Ctl c, int value) {
  if (form_.Value(c) == value) return;
  form_.SetValue(c, value);
  Click(c);
}

void MainForm::Click(Ctl c) {
  switch (c) {
    case Ctl::AA:
    case Ctl::SAKASA:
    case Ctl::Default: sendOptions_.ModeClicked(c); break;
    case Ctl::EveryWord: sendOptions_.EveryWordClick(); break;
    case Ctl::ActivatCheck: ApplyAlwaysOnTop(form_, desktop_); break;
    case Ctl::Send: send_.Click(discovery_.Target()); break;
    case Ctl::SkelReset: translucency_.ResetAll(); break;
    case Ctl::Slider:  // after the unload nothing would undo a change
      if (!unloaded_) translucency_.SliderClick(discovery_.LastForeground());
      break;
    default: break;  // every other control has no handler
  }
}

void MainForm::MenuClick(Menu m) {
  switch (m) {
    case Menu::End: EndClick(); break;
    case Menu::Skeleton:
      if (!send_.Sending()) slide_.SkeletonClick();  // a send under way keeps the layout still
      break;
    case Menu::Help: if (dialogs_) dialogs_->Tip().Open(); break;
    case Menu::Info: if (dialogs_) dialogs_->About().Open(); break;
    case Menu::GoHome: GoHome(desktop_); break;
    default: break;
  }
}

void MainForm::MouseDown(Ctl, int button) { popups_.MouseDown(button); }
void MainForm::SendMouseMove() {
  if (!send_.Sending()) popups_.SendMouseMove();  // during a send the button cancels it
}

void MainForm::Timer1Tick() {
  if (send_.Sending()) return;  // the send keeps the target it started with
  switch (discovery_.Tick(form_.WindowHandle())) {
    case TargetChange::ChatChosen:
      ShowTargetStatus(form_, discovery_.Target());
      sendOptions_.EnableSendOptions(true);
      break;
    case TargetChange::UnknownChosen:
      sendOptions_.EnableSendOptions(false);
      ShowTargetStatus(form_, discovery_.Target());
      break;
    case TargetChange::SendingDisabled: sendOptions_.EnableSendOptions(false); break;
    case TargetChange::None: break;
  }
}

void MainForm::Timer2Tick() {
  if (readout_.TakeOnTopDue()) SetValueFromCode(Ctl::ActivatCheck, 1);
  readout_.Show();
  translucency_.Tick();
}

}  // namespace sorelka
