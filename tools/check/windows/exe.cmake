# From the main build: belegix-check.exe as a separate cross build (ExternalProject) and the ZIP
# for the coordinators (belegix-check-windows.zip: the .exe and LIESMICH.txt). On when Debian's
# MinGW-w64 is installed (scripts/setup-deps --test installs it).
# Not in the sanitizer build: the .exe is the same, built once is enough.
find_program(BELEGIX_MINGW_CXX x86_64-w64-mingw32-g++-posix)
if(BELEGIX_MINGW_CXX AND NOT BELEGIX_SANITIZE)
    set(_windows_default ON)
else()
    set(_windows_default OFF)
endif()
option(BELEGIX_WINDOWS_CHECK "Cross-build belegix-check.exe with MinGW-w64" ${_windows_default})
if(NOT BELEGIX_WINDOWS_CHECK)
    message(STATUS "belegix-check.exe: not built (sanitizer build, or no x86_64-w64-mingw32-g++-posix)")
    set(BELEGIX_CHECK_EXE "" CACHE INTERNAL "")
    return()
endif()

include(ExternalProject)
set(_windows_build ${CMAKE_BINARY_DIR}/check-windows)
ExternalProject_Add(belegix_check_windows
    SOURCE_DIR ${CMAKE_CURRENT_LIST_DIR}
    BINARY_DIR ${_windows_build}
    CMAKE_GENERATOR ${CMAKE_GENERATOR}
    CMAKE_ARGS -DCMAKE_TOOLCHAIN_FILE=${CMAKE_CURRENT_LIST_DIR}/toolchain.cmake
               -DCMAKE_BUILD_TYPE=Release
               -DBELEGIX_VERSION=${PROJECT_VERSION}
               -DCMAKE_CXX_COMPILER_LAUNCHER=${CMAKE_CXX_COMPILER_LAUNCHER}
    BUILD_COMMAND ${CMAKE_COMMAND} --build ${_windows_build} --target belegix-check
    BUILD_ALWAYS ON
    INSTALL_COMMAND ""
    BUILD_BYPRODUCTS ${_windows_build}/check/belegix-check.exe)
set(BELEGIX_CHECK_EXE ${_windows_build}/check/belegix-check.exe CACHE INTERNAL "")

set(_zip ${CMAKE_BINARY_DIR}/belegix-check-windows.zip)
set(_stage ${CMAKE_BINARY_DIR}/check-windows-zip)
add_custom_command(OUTPUT ${_zip}
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${_stage}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${_stage}
    COMMAND ${CMAKE_COMMAND} -E copy ${BELEGIX_CHECK_EXE} ${CMAKE_CURRENT_LIST_DIR}/LIESMICH.txt
            ${_stage}
    COMMAND ${CMAKE_COMMAND} -E chdir ${_stage} ${CMAKE_COMMAND} -E tar cf ${_zip} --format=zip
            belegix-check.exe LIESMICH.txt
    DEPENDS belegix_check_windows ${BELEGIX_CHECK_EXE} ${CMAKE_CURRENT_LIST_DIR}/LIESMICH.txt
    COMMENT "belegix-check-windows.zip")
add_custom_target(belegix-check-zip ALL DEPENDS ${_zip})
