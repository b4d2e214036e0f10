#include "dialogs/dialogs.h"

namespace sorelka {

void AuxForm::Open() {
  if (!window_.Loaded()) {
    if (!window_.Load()) {
      form_.MessageBox(FailureText(kWindowNotCreated, window_.LoadFailure()), nullptr, kMbOk | kMbIconError);
      return;
    }
    FormLoad();
  }
  window_.ShowAndFocus();
}

// Never topmost: a main window kept on top stays above it.
void AuxForm::FormLoad() {
  desktop_.SetTopMost(window_.WindowHandle(), true);
  if (onLoad_) onLoad_();
}

}  // namespace sorelka
