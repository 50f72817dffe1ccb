# Cross-builds Tivora for 64-bit Windows with MinGW-w64 (posix threads) against the Qt
# that scripts/windows-sdk installs:
#   cmake -S . -B build/windows -DCMAKE_TOOLCHAIN_FILE=packaging/windows/toolchain.cmake
# The Qt folder comes from -DTIVORA_WINDOWS_QT=..., else the environment variable of the
# same name, else the folder scripts/windows-sdk uses by default.

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

if(NOT TIVORA_WINDOWS_QT)
    if(DEFINED ENV{TIVORA_WINDOWS_QT} AND NOT "$ENV{TIVORA_WINDOWS_QT}" STREQUAL "")
        set(_tivora_qt "$ENV{TIVORA_WINDOWS_QT}")
    else()
        set(_tivora_qt "$ENV{HOME}/.cache/tivora/qt5-mingw-5.15.8")
    endif()
    set(TIVORA_WINDOWS_QT "${_tivora_qt}" CACHE PATH "Qt 5 for Windows, as scripts/windows-sdk installs it")
endif()
# try_compile() projects read this file again, without the cache.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES TIVORA_WINDOWS_QT)

set(CMAKE_FIND_ROOT_PATH "${TIVORA_WINDOWS_QT}" /usr/x86_64-w64-mingw32)
# Libraries and headers come from Windows' side; tools such as moc run here.
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Lets CTest (and anything else that runs a built program) start it under wine.
find_program(TIVORA_WINE NAMES wine64 wine DOC "wine, to run Windows programs here")
if(TIVORA_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR "${TIVORA_WINE}")
endif()

# Where the DLLs a built program loads live: Qt's, and the compiler's runtime (linked beside the
# build tree's programs, and shipped by the installer where a program needs them).
if(NOT TIVORA_WINDOWS_DLL_DIRS)
    set(_tivora_dll_dirs "${TIVORA_WINDOWS_QT}/bin")
    foreach(_tivora_dll libstdc++-6.dll libwinpthread-1.dll)
        execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${_tivora_dll}
            OUTPUT_VARIABLE _tivora_path OUTPUT_STRIP_TRAILING_WHITESPACE)
        get_filename_component(_tivora_path "${_tivora_path}" DIRECTORY)
        get_filename_component(_tivora_path "${_tivora_path}" REALPATH)
        list(APPEND _tivora_dll_dirs "${_tivora_path}")
    endforeach()
    set(TIVORA_WINDOWS_DLL_DIRS "${_tivora_dll_dirs}" CACHE INTERNAL "")
endif()
