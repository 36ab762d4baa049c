# Cross-builds for 64-bit Windows with Debian's MinGW-w64 compilers (the posix
# thread model, which has std::thread and std::mutex), and runs what it builds
# under Wine: tests through ctest, and any tool the build itself starts.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(GRIDCODE_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${GRIDCODE_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${GRIDCODE_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${GRIDCODE_MINGW_PREFIX}-windres)

# Headers and libraries (zlib) come from the MinGW-w64 tree only; programs
# from the build machine.
set(CMAKE_FIND_ROOT_PATH /usr/${GRIDCODE_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

find_program(GRIDCODE_WINE NAMES wine wine64 PATHS /usr/lib/wine)
if(GRIDCODE_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${GRIDCODE_WINE})
endif()
