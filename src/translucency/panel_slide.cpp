#include "translucency/panel_slide.h"

#include "translucency/busy_wait.h"

namespace sorelka {

void PanelSlide::SkeletonClick() {
  // A click arriving from inside a running slide's wait is ignored: the running slide ends at
  // its exact place, and the panel's state (and the check mark) stay in step with Frame4.
  if (sliding_) return;
  sliding_ = true;

  const bool show = !form_.MenuChecked(Menu::Skeleton);
  if (show) form_.SetVisible(Ctl::Frame2, false);
  const int steps = SlideSteps(form_.Bounds(Ctl::Frame1).height);
  const int stepTwips = show ? -kSlideStepTwips : kSlideStepTwips;

  // Each step places Frame4 at an absolute position in twips, so it lands exactly where it started.
  TwipRect frame4 = form_.Bounds(Ctl::Frame4);
  const int startTop = frame4.top;
  bool running = true;
  for (int i = 1; i <= steps && running; ++i) {
    frame4.top = startTop + i * stepTwips;
    form_.Move(Ctl::Frame4, frame4);
    running = BusyWait(loop_, kSlideStepMs);
  }
  if (!running) {
    // The program is closing: the window is still there, so leave Frame4 at the slide's end.
    frame4.top = startTop + steps * stepTwips;
    form_.Move(Ctl::Frame4, frame4);
  }

  form_.SetMenuChecked(Menu::Skeleton, show);
  if (!show) form_.SetVisible(Ctl::Frame2, true);
  sliding_ = false;
}

}  // namespace sorelka
