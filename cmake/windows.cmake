# The Windows programs: the assistant, the stand-in chat windows and the end-to-end driver.
enable_language(RC)
if(MINGW)
  # One self-contained file: the runtime linked in, nothing to install beside it.
  set(STATIC_FLAGS -static -static-libgcc -static-libstdc++)
  set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -c 65001")
endif()

# The sources are UTF-8 with Japanese literals.
if(MSVC)
  set(UTF8_SOURCE /utf-8)
else()
  set(UTF8_SOURCE -finput-charset=UTF-8)
endif()

include(${CMAKE_CURRENT_LIST_DIR}/win32_sources.cmake)  # WIN_DEFS, DESKTOP_PORT_SOURCES

# A static, Unicode Windows program. Usage: windows_program(NAME [WIN32] SOURCES... LIBS...)
function(windows_program name)
  cmake_parse_arguments(P "WIN32" "" "SOURCES;LIBS" ${ARGN})
  if(P_WIN32)
    add_executable(${name} WIN32 ${P_SOURCES})
  else()
    add_executable(${name} ${P_SOURCES})
  endif()
  target_compile_definitions(${name} PRIVATE ${WIN_DEFS})
  target_compile_options(${name} PRIVATE ${UTF8_SOURCE})
  target_link_libraries(${name} PRIVATE ${P_LIBS})
  if(MINGW)
    # No link time in the PE header: the same objects give the same file (scripts/package
    # stamps the release with SOURCE_DATE_EPOCH when it strips it).
    target_link_options(${name} PRIVATE ${STATIC_FLAGS} -municode -Wl,--no-insert-timestamp)
  endif()
endfunction()

file(GLOB SHELL_SOURCES CONFIGURE_DEPENDS src/shell/*.cpp src/win32/*.cpp)
windows_program(sorelka WIN32 SOURCES ${SHELL_SOURCES} resources/sorelka.rc
                LIBS sorelka_core comctl32 gdi32 user32 kernel32)
target_include_directories(sorelka PRIVATE resources "${CMAKE_CURRENT_BINARY_DIR}/generated")

# The version resource takes its numbers from project(); a missing part counts as 0. Each part
# is a 16-bit field of the resource, so a larger one would wrap silently.
foreach(part MAJOR MINOR PATCH TWEAK)
  set(SORELKA_VERSION_${part} "${PROJECT_VERSION_${part}}")
  if(SORELKA_VERSION_${part} STREQUAL "")
    set(SORELKA_VERSION_${part} 0)
  elseif(SORELKA_VERSION_${part} GREATER 65535)
    message(FATAL_ERROR "Each part of the version must be at most 65535: ${PROJECT_VERSION}")
  endif()
endforeach()
configure_file(resources/version.h.in "${CMAKE_CURRENT_BINARY_DIR}/generated/sorelka_version.h" @ONLY)
# The same version as plain text, for scripts/package to name the zips.
file(CONFIGURE OUTPUT "${CMAKE_CURRENT_BINARY_DIR}/version.txt" CONTENT "${PROJECT_VERSION}\n")
if(MINGW)
  # OS and subsystem 5.0 for i686: a higher one stops Windows 2000 from loading the file.
  # 5.2 for x86_64: the first 64-bit Windows (XP x64 Edition, Server 2003).
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(SORELKA_OS_MINOR 2)
  else()
    set(SORELKA_OS_MINOR 0)
  endif()
  target_link_options(sorelka PRIVATE -Wl,--major-subsystem-version,5 -Wl,--minor-subsystem-version,${SORELKA_OS_MINOR}
                      -Wl,--major-os-version,5 -Wl,--minor-os-version,${SORELKA_OS_MINOR})
endif()

file(GLOB CHATPEER_SOURCES CONFIGURE_DEPENDS tools/chatpeer/*.cpp)
windows_program(chatpeer WIN32 SOURCES ${CHATPEER_SOURCES} LIBS comctl32 gdi32 user32 kernel32)
target_include_directories(chatpeer PRIVATE src)  # the handle owners it shares with the program

file(GLOB DRIVER_SOURCES CONFIGURE_DEPENDS tests/e2e/driver/*.cpp)
windows_program(e2e_driver SOURCES ${DRIVER_SOURCES} LIBS comctl32 gdi32 user32 kernel32)
# A stand-in web browser that records the address it is opened with.
windows_program(url_handler WIN32 SOURCES tests/e2e/url_handler/url_handler.cpp LIBS shell32 kernel32)

# Figures taken under Wine against the stand-in chat windows (bench/wine/run.sh).
# It drives the program's own desktop and event-loop ports, so it compiles those shell files itself.
windows_program(wine_bench SOURCES bench/wine/wine_bench.cpp ${DESKTOP_PORT_SOURCES}
                src/shell/event_loop_win32.cpp src/shell/modal_loops.cpp
                tests/e2e/driver/remote_status.cpp LIBS sorelka_core user32 kernel32)
windows_program(bare_window WIN32 SOURCES bench/wine/bare_window.cpp LIBS user32 kernel32)
# The baseline the assistant's footprint is held against: its control classes, fonts and manifest.
windows_program(baseline_window WIN32 SOURCES bench/wine/baseline_window.cpp bench/wine/baseline_window.rc
                LIBS comctl32 gdi32 user32 kernel32)
# Its fonts come from the program's own table (src/shell/fonts.h), so the two cannot drift.
target_include_directories(baseline_window PRIVATE resources src)
# Loaded into the program by the driver (dpi-changed): WM_DPICHANGED from the window's own thread.
add_library(dpi_hook SHARED tests/e2e/dpi_hook/dpi_hook.cpp)
set_target_properties(dpi_hook PROPERTIES PREFIX "")
target_compile_definitions(dpi_hook PRIVATE ${WIN_DEFS})
target_link_libraries(dpi_hook PRIVATE user32 kernel32)
if(MINGW)
  target_link_options(dpi_hook PRIVATE ${STATIC_FLAGS} -Wl,--kill-at -Wl,--no-insert-timestamp)
endif()
