// The frames' places at start: Frame1 spans the client width and Frame4 covers it, their
// bottom edges together; Frame2 lines up with them.
#pragma once
#include "platform/form_port.h"

namespace sorelka {

inline void PlaceFrames(FormPort& form) {
  TwipRect f1 = form.Bounds(Ctl::Frame1);
  f1.width = form.ScaleWidth();
  f1.left = 10;
  form.Move(Ctl::Frame1, f1);
  TwipRect f4 = form.Bounds(Ctl::Frame4);
  f4.left = f1.left;
  f4.width = f1.width;
  f4.top = f1.top - (f4.height - f1.height);
  form.Move(Ctl::Frame4, f4);
  TwipRect f2 = form.Bounds(Ctl::Frame2);
  f2.left = f1.left;
  form.Move(Ctl::Frame2, f2);
}

}  // namespace sorelka
