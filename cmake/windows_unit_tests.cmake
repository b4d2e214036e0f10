# The unit tests as a Windows console program, run under Wine by the test run: a fault that
# only a 32-bit build has (a size_t of 32 bits) shows there. GoogleTest is built from Debian's
# sources (libgtest-dev).
set(GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources")
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${GTEST_SOURCE_DIR} googletest EXCLUDE_FROM_ALL)

file(GLOB UNIT_TESTS CONFIGURE_DEPENDS tests/unit/*.cpp)
# mingw has no iconv: the code page 932 test double uses the system's conversion.
add_executable(unit_tests ${UNIT_TESTS} tests/unit/fakes/cp932_win32.cpp)
target_include_directories(unit_tests PRIVATE tests/unit)
target_compile_definitions(unit_tests PRIVATE WIN32_LEAN_AND_MEAN NOMINMAX)
target_link_libraries(unit_tests PRIVATE sorelka_core gmock gtest gtest_main)
# One file that Wine runs as it is: the runtime linked in.
target_link_options(unit_tests PRIVATE -static -static-libgcc -static-libstdc++)
