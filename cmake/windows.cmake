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

# Windows 2000 is the oldest system served; anything newer is loaded at run time.
set(WIN_DEFS UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0500 WINVER=0x0500
    _WIN32_IE=0x0501)

file(GLOB SHELL_SOURCES CONFIGURE_DEPENDS src/platform/win32/*.cpp)
add_executable(sorelka WIN32 ${SHELL_SOURCES} resources/sorelka.rc)
target_compile_definitions(sorelka PRIVATE ${WIN_DEFS})
target_include_directories(sorelka PRIVATE resources)
target_link_libraries(sorelka PRIVATE sorelka_core comctl32 gdi32 user32 kernel32 shell32 winmm)
if(MINGW)
  target_link_options(sorelka PRIVATE ${STATIC_FLAGS} -municode
                      -Wl,--major-subsystem-version,5 -Wl,--minor-subsystem-version,0
                      -Wl,--major-os-version,5 -Wl,--minor-os-version,0)
endif()

file(GLOB CHATPEER_SOURCES CONFIGURE_DEPENDS tools/chatpeer/*.cpp)
if(CHATPEER_SOURCES)
  add_executable(chatpeer WIN32 ${CHATPEER_SOURCES})
  target_compile_definitions(chatpeer PRIVATE ${WIN_DEFS})
  target_compile_options(chatpeer PRIVATE ${UTF8_SOURCE})
  target_link_libraries(chatpeer PRIVATE comctl32 gdi32 user32 kernel32)
  if(MINGW)
    target_link_options(chatpeer PRIVATE ${STATIC_FLAGS} -municode)
  endif()
endif()

file(GLOB DRIVER_SOURCES CONFIGURE_DEPENDS tests/e2e/driver/*.cpp)
if(DRIVER_SOURCES)
  add_executable(e2e_driver ${DRIVER_SOURCES})
  target_compile_definitions(e2e_driver PRIVATE ${WIN_DEFS})
  target_compile_options(e2e_driver PRIVATE ${UTF8_SOURCE})
  target_link_libraries(e2e_driver PRIVATE comctl32 gdi32 user32 kernel32)
  if(MINGW)
    target_link_options(e2e_driver PRIVATE ${STATIC_FLAGS} -municode)
  endif()
endif()

# Figures taken under Wine against the stand-in chat windows (bench/wine/run.sh).
add_executable(wine_bench bench/wine/wine_bench.cpp src/platform/win32/desktop_win32.cpp
               tests/e2e/driver/remote_status.cpp)
target_compile_definitions(wine_bench PRIVATE ${WIN_DEFS})
target_link_libraries(wine_bench PRIVATE sorelka_core user32 kernel32 winmm)
if(MINGW)
  target_link_options(wine_bench PRIVATE ${STATIC_FLAGS} -municode)
endif()
