// How the send code reads the option controls. A check box counts only when ticked (1, not
// grey 2) and an option button when selected (1). Composition also counts a disabled control
// as off, since the interlocks decide what is sent by disabling, never by clearing.
#pragma once
#include "platform/form_port.h"

namespace sorelka {

inline bool Ticked(FormPort& form, Ctl c) { return form.Value(c) == 1; }
inline bool TickedAndEnabled(FormPort& form, Ctl c) { return Ticked(form, c) && form.Enabled(c); }

}  // namespace sorelka
