#include "send/options_from_form.h"

#include "send/option_state.h"
#include "send/wait_value.h"

namespace sorelka {

ComposeOptions ComposeOptionsOf(FormPort& form) {
  ComposeOptions o;
  o.reverse = TickedAndEnabled(form, Ctl::Default) || TickedAndEnabled(form, Ctl::SAKASA);
  o.header = TickedAndEnabled(form, Ctl::Header);
  o.footer = TickedAndEnabled(form, Ctl::Footer);
  o.everyWord = TickedAndEnabled(form, Ctl::EveryWord);
  o.insert = form.GetText(Ctl::PlusWord);
  return o;
}

DeliveryOptions DeliveryOptionsOf(FormPort& form) {
  return {Ticked(form, Ctl::SendNow), Ticked(form, Ctl::AA), ParseWait(form.GetText(Ctl::Wait))};
}

}  // namespace sorelka
