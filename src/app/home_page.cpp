#include "app/home_page.h"

#ifndef SORELKA_HOME_URL
#error "SORELKA_HOME_URL is set by the build (CMakeLists.txt)"
#endif

namespace sorelka {
const char kHomePageUrl[] = SORELKA_HOME_URL;
}  // namespace sorelka
