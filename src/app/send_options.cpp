#include "app/send_options.h"

namespace sorelka {

namespace {
// Switched together, in this order.
constexpr Ctl kSendingControls[] = {
    Ctl::AA,     Ctl::Default, Ctl::SAKASA, Ctl::EveryWord, Ctl::SendNow,
    Ctl::Header, Ctl::Footer,  Ctl::Label2_1, Ctl::PlusWord, Ctl::Limit,
    Ctl::Wait,   Ctl::Label4,  Ctl::Label7, Ctl::Message,   Ctl::Send,
};
}  // namespace

void SendOptions::Load() {
  for (Ctl mode : {Ctl::AA, Ctl::Default, Ctl::SAKASA})
    if (form_.Value(mode)) selectedMode_ = mode;
}

void SendOptions::ModeClicked(Ctl mode) {
  if (!form_.Value(mode) || selectedMode_ == mode) return;
  selectedMode_ = mode;
  RunModeHandler(mode);
}

void SendOptions::RunModeHandler(Ctl mode) {
  switch (mode) {
    case Ctl::AA: AAClick(); break;
    case Ctl::Default: DefaultClick(); break;
    case Ctl::SAKASA: SAKASAClick(); break;
    default: break;
  }
}

void SendOptions::EnableSendOptions(bool enable) {
  for (Ctl c : kSendingControls) form_.SetEnabled(c, enable);
  if (!enable) return;
  // The mode first, then EveryWord: its tick has the last word over Header and Footer.
  if (form_.Value(Ctl::AA))
    AAClick();
  else if (form_.Value(Ctl::Default))
    DefaultClick();
  else if (form_.Value(Ctl::SAKASA))
    SAKASAClick();
  EveryWordClick();
}

void SendOptions::AAClick() {
  if (!form_.Value(Ctl::AA)) return;
  form_.SetEnabled(Ctl::Header, true);
  form_.SetEnabled(Ctl::Footer, true);
  form_.SetEnabled(Ctl::EveryWord, false);
  form_.SetEnabled(Ctl::SendNow, false);
}

void SendOptions::SAKASAClick() {
  if (!form_.Value(Ctl::SAKASA)) return;
  if (form_.Value(Ctl::EveryWord) == 1) {
    form_.SetEnabled(Ctl::Header, false);
    form_.SetEnabled(Ctl::Footer, false);
  }
  form_.SetEnabled(Ctl::EveryWord, true);
  form_.SetEnabled(Ctl::SendNow, false);
}

void SendOptions::DefaultClick() {
  if (!form_.Value(Ctl::Default)) return;
  if (form_.Value(Ctl::EveryWord) == 1) {
    form_.SetEnabled(Ctl::Header, false);
    form_.SetEnabled(Ctl::Footer, false);
  }
  form_.SetEnabled(Ctl::EveryWord, true);
  form_.SetEnabled(Ctl::SendNow, true);
}

void SendOptions::EveryWordClick() {
  bool ticked = form_.Value(Ctl::EveryWord) == 1;
  form_.SetEnabled(Ctl::Header, !ticked);
  form_.SetEnabled(Ctl::Footer, !ticked);
}

}  // namespace sorelka
