# Checks that every program of a Windows build imports only DLLs that come with
# Windows itself, so that each one runs when copied alone onto a bare system.
# Wine brings DLLs that Windows lacks (zlib1.dll), so running the programs
# under Wine does not show it. Also checks that gridcode.exe is a GUI program,
# which opens no console window.
# Usage: cmake -DOBJDUMP=x86_64-w64-mingw32-objdump -DBUILD_DIR=DIR -P windows_imports.cmake
cmake_minimum_required(VERSION 3.25)
set(windows_dlls
  advapi32 api-ms-win-core-synch-l1-2-0 api-ms-win-core-winrt-l1-1-0
  api-ms-win-core-winrt-string-l1-1-0 authz comdlg32 d3d9 d3d11 dwmapi dwrite dxgi gdi32 imm32
  kernel32 msvcrt netapi32 ole32 oleaut32 shcore shell32 shlwapi user32 userenv uxtheme version
  winmm ws2_32 wtsapi32)
# The programs to ship, and the tests.
file(GLOB programs "${BUILD_DIR}/*.exe")
file(GLOB_RECURSE tests "${BUILD_DIR}/tests/*.exe")
list(APPEND programs ${tests})
if(NOT programs)
  message(FATAL_ERROR "no programs in ${BUILD_DIR}")
endif()
foreach(program IN LISTS programs)
  execute_process(COMMAND ${OBJDUMP} -p ${program} OUTPUT_VARIABLE dump COMMAND_ERROR_IS_FATAL ANY)
  if(program MATCHES "/gridcode.exe$" AND NOT dump MATCHES "Subsystem[^\n]*Windows GUI")
    string(APPEND faults "\n  ${program}: not a GUI program")
  endif()
  string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${dump}")
  foreach(import IN LISTS imports)
    string(REGEX REPLACE "DLL Name: (.*)\\.dll$" "\\1" dll "${import}")
    string(TOLOWER "${dll}" dll)
    if(NOT dll IN_LIST windows_dlls)
      string(APPEND faults "\n  ${program}: ${import}")
    endif()
  endforeach()
endforeach()
if(faults)
  message(FATAL_ERROR "DLLs that Windows does not have, or a console program:${faults}")
endif()
