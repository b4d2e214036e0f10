# The i686 toolchain with the posix-thread compiler: GoogleTest needs std::mutex, which the
# win32-thread one lacks. Used for the unit tests run under Wine, not for the program.
include(${CMAKE_CURRENT_LIST_DIR}/mingw-i686.cmake)
set(CMAKE_C_COMPILER i686-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-posix)
