// The translucency panel's slide: Frame4 moves up to uncover Frame1 (menu item Skeleton) and
// back down to cover it again.
#pragma once
#include "platform/event_loop.h"
#include "platform/form_port.h"

namespace sorelka {

inline constexpr int kSlideStepTwips = 50;
inline constexpr int kSlideStepMs = 30;

// Steps of one slide for a panel `heightTwips` high: one per 50 twips from 0 to H inclusive.
inline int SlideSteps(int heightTwips) { return heightTwips < 0 ? 0 : heightTwips / kSlideStepTwips + 1; }

class PanelSlide {
 public:
  PanelSlide(FormPort& form, EventLoop& loop) : form_(form), loop_(loop) {}

  // Click of Skeleton: slides the panel into view or out of it; the check mark changes at the end.
  void SkeletonClick();
  bool Sliding() const { return sliding_; }

 private:
  FormPort& form_;
  EventLoop& loop_;
  bool sliding_ = false;
};

}  // namespace sorelka
