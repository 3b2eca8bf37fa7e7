# Cross-compiling the Windows program on Debian with MinGW-w64 (g++-mingw-w64-x86-64). The
# win32-threads flavour needs no winpthread DLL beside the program. Wine runs what is built, so
# CTest can run the Windows tests on this machine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(triplet x86_64-w64-mingw32)
find_program(CMAKE_CXX_COMPILER NAMES ${triplet}-g++-win32 ${triplet}-g++ REQUIRED)
find_program(CMAKE_RC_COMPILER NAMES ${triplet}-windres REQUIRED)

set(CMAKE_FIND_ROOT_PATH /usr/${triplet})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Wine 8 from Debian's wine64 package. Each test run gives it a prefix and a display of its own
# (scripts/test-windows.sh).
find_program(PONDERIVAL_WINE NAMES wine wine64 PATHS /usr/lib/wine)
if(PONDERIVAL_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${PONDERIVAL_WINE})
endif()
