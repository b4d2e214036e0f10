# The unit tests as a Windows console program, run under Wine by the test run: a fault that
# only a 32-bit build has (a size_t of 32 bits) shows there. GoogleTest is built from Debian's
# sources (libgtest-dev).
set(GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources")
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${GTEST_SOURCE_DIR} googletest EXCLUDE_FROM_ALL)

# The desktop port over Win32, built as the program builds it, for the tests that run the older
# systems' way (tests/unit/win32: each function loaded at run time reported missing in turn).
include(${CMAKE_CURRENT_LIST_DIR}/win32_sources.cmake)
add_library(sorelka_desktop_port STATIC ${DESKTOP_PORT_SOURCES})
target_compile_definitions(sorelka_desktop_port PUBLIC ${WIN_DEFS})
target_include_directories(sorelka_desktop_port PUBLIC src/shell)
target_link_libraries(sorelka_desktop_port PUBLIC sorelka_core user32 gdi32 kernel32)

file(GLOB UNIT_TESTS CONFIGURE_DEPENDS tests/unit/*.cpp tests/unit/win32/*.cpp)
# mingw has no iconv: the code page 932 test double uses the system's conversion.
add_executable(unit_tests ${UNIT_TESTS} tests/unit/fakes/cp932_win32.cpp)
target_include_directories(unit_tests PRIVATE tests/unit)
target_link_libraries(unit_tests PRIVATE sorelka_desktop_port gmock gtest gtest_main)
# One file that Wine runs as it is: the runtime linked in.
target_link_options(unit_tests PRIVATE -static -static-libgcc -static-libstdc++)
