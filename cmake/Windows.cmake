# What a Windows build takes from source rather than from the system: libspng
# from its Debian source package (scripts/test-windows fetches it into the
# build tree), linked with MinGW-w64's static zlib, and GoogleTest from
# /usr/src/googletest. Every program is linked statically, so that
# gridcode-data.exe is one file to copy and the tests run under Wine without
# the compiler's DLLs.
add_link_options(-static)

file(GLOB spng_sources ${PROJECT_BINARY_DIR}/spng-source/libspng-*/spng/spng.c)
set(GRIDCODE_SPNG_SOURCE "${spng_sources}" CACHE FILEPATH "libspng's spng.c")
if(NOT EXISTS "${GRIDCODE_SPNG_SOURCE}")
  message(FATAL_ERROR "libspng's source is not in ${PROJECT_BINARY_DIR}/spng-source: "
    "scripts/test-windows fetches it, or set GRIDCODE_SPNG_SOURCE to its spng/spng.c")
endif()
# zlib's static library, not its import library: Windows has no zlib1.dll.
find_library(GRIDCODE_ZLIB_ARCHIVE libz.a REQUIRED)
enable_language(C)
add_library(gridcode_spng STATIC ${GRIDCODE_SPNG_SOURCE})
cmake_path(GET GRIDCODE_SPNG_SOURCE PARENT_PATH spng_include_dir)
target_include_directories(gridcode_spng SYSTEM PUBLIC ${spng_include_dir})
# Linked into the program, not imported from a DLL.
target_compile_definitions(gridcode_spng PUBLIC SPNG_STATIC)
# Another project's code: built as its own build system builds it, without
# this project's warning options.
set_target_properties(gridcode_spng PROPERTIES COMPILE_OPTIONS "-w" C_STANDARD 99)
target_link_libraries(gridcode_spng PUBLIC ${GRIDCODE_ZLIB_ARCHIVE})
add_library(spng::spng ALIAS gridcode_spng)

if(GRIDCODE_TESTS)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  get_directory_property(project_options COMPILE_OPTIONS)
  set_directory_properties(PROPERTIES COMPILE_OPTIONS "-w")
  add_subdirectory(/usr/src/googletest ${PROJECT_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  set_directory_properties(PROPERTIES COMPILE_OPTIONS "${project_options}")
endif()

# The window, on the static Qt for Windows that scripts/build-qt-windows builds
# once a machine, outside the clone: found where that script keeps it, or at
# GRIDCODE_QT_PREFIX. Without it, everything else is built.
if(GRIDCODE_WINDOW)
  if(NOT GRIDCODE_QT_PREFIX)
    execute_process(COMMAND ${PROJECT_SOURCE_DIR}/scripts/build-qt-windows --print-prefix
      OUTPUT_VARIABLE GRIDCODE_QT_PREFIX OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  endif()
  if(EXISTS "${GRIDCODE_QT_PREFIX}/lib/cmake/Qt6/Qt6Config.cmake")
    # Searched as Qt's own toolchain file searches it: a root beside MinGW-w64's.
    list(PREPEND CMAKE_PREFIX_PATH ${GRIDCODE_QT_PREFIX}/lib/cmake)
    list(PREPEND CMAKE_FIND_ROOT_PATH ${GRIDCODE_QT_PREFIX})
  else()
    message(STATUS "The gridcode window is not built for Windows: Qt for Windows is not "
      "built here (scripts/build-qt-windows builds it). Building the core and gridcode-data.")
    set(GRIDCODE_WINDOW OFF)
  endif()
endif()

# gridcode-VERSION-windows-x86_64.zip (scripts/package --windows): the
# programs, stripped, the README and the license in one folder.
set(windows_zip gridcode-${PROJECT_VERSION}-windows-x86_64)
set(zip_programs gridcode-data)
if(GRIDCODE_WINDOW)
  list(APPEND zip_programs gridcode)
endif()
foreach(program IN LISTS zip_programs)
  list(APPEND zip_files $<TARGET_FILE:${program}>)
  list(APPEND zip_copies ${windows_zip}/$<TARGET_FILE_NAME:${program}>)
endforeach()
add_custom_target(windows_zip
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${windows_zip} ${windows_zip}.zip
  COMMAND ${CMAKE_COMMAND} -E make_directory ${windows_zip}
  COMMAND ${CMAKE_COMMAND} -E copy ${zip_files} ${PROJECT_SOURCE_DIR}/README.md
    ${PROJECT_SOURCE_DIR}/LICENSE ${windows_zip}
  COMMAND ${CMAKE_STRIP} ${zip_copies}
  COMMAND ${CMAKE_COMMAND} -E tar cf ${windows_zip}.zip --format=zip ${windows_zip}
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${windows_zip}
  WORKING_DIRECTORY ${PROJECT_BINARY_DIR}
  VERBATIM)
add_dependencies(windows_zip ${zip_programs})
