#include "app/main_form.h"
namespace sorelka {
void MainForm::ShowTargetStatus(const ChatTarget&) {}  // placeholder
}  // namespace sorelka
