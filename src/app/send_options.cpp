// The switch over every control that takes part in sending, and the send-mode interlocks.
#include "app/main_form.h"

namespace sorelka {

namespace {
// Switched together, in this order.
constexpr Ctl kSendingControls[] = {
    Ctl::AA,     Ctl::Default, Ctl::SAKASA, Ctl::EveryWord, Ctl::SendNow,
    Ctl::Header, Ctl::Footer,  Ctl::Label2_1, Ctl::PlusWord, Ctl::Limit,
    Ctl::Wait,   Ctl::Label4,  Ctl::Label7, Ctl::Message,   Ctl::Send,
};
}  // namespace

void MainForm::EnableSendOptions(bool enable) {
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

void MainForm::AAClick() {
  if (!form_.Value(Ctl::AA)) return;
  form_.SetEnabled(Ctl::Header, true);
  form_.SetEnabled(Ctl::Footer, true);
  form_.SetEnabled(Ctl::EveryWord, false);
  form_.SetEnabled(Ctl::SendNow, false);
}

void MainForm::SAKASAClick() {
  if (!form_.Value(Ctl::SAKASA)) return;
  if (form_.Value(Ctl::EveryWord) == 1) {
    form_.SetEnabled(Ctl::Header, false);
    form_.SetEnabled(Ctl::Footer, false);
  }
  form_.SetEnabled(Ctl::EveryWord, true);
  form_.SetEnabled(Ctl::SendNow, false);
}

void MainForm::DefaultClick() {
  if (!form_.Value(Ctl::Default)) return;
  if (form_.Value(Ctl::EveryWord) == 1) {
    form_.SetEnabled(Ctl::Header, false);
    form_.SetEnabled(Ctl::Footer, false);
  }
  form_.SetEnabled(Ctl::EveryWord, true);
  form_.SetEnabled(Ctl::SendNow, true);
}

void MainForm::EveryWordClick() {
  bool ticked = form_.Value(Ctl::EveryWord) == 1;
  form_.SetEnabled(Ctl::Header, !ticked);
  form_.SetEnabled(Ctl::Footer, !ticked);
}

}  // namespace sorelka
