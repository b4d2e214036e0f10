#include "app/main_form.h"
namespace sorelka {
void MainForm::SendClick() {}  // placeholder
}  // namespace sorelka
