#include "app/main_form.h"
namespace sorelka {
void MainForm::Timer1Tick() {}  // placeholder
}  // namespace sorelka
