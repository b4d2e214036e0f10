// How a send reads the option controls into its plain value.
#pragma once
#include "platform/form_port.h"
#include "send/send_request.h"

namespace sorelka {

ComposeOptions ComposeOptionsOf(FormPort& form);
DeliveryOptions DeliveryOptionsOf(FormPort& form);

}  // namespace sorelka
