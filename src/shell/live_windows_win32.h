// The program's top-level windows still open; the message loop ends with the last one.
#pragma once

namespace sorelka::win32 {

void LiveWindowOpened();
void LiveWindowClosed();  // posts WM_QUIT when it was the last

}  // namespace sorelka::win32
