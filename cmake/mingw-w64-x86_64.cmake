# Cross-compiling the Windows program on Debian with MinGW-w64 (g++-mingw-w64-x86-64). The
# posix-threads flavour has the whole C++ thread library, which GoogleTest needs; the program links
# everything statically, so no winpthread DLL goes beside it. Wine runs what is built, so CTest can
# run the Windows tests on this machine.

# On Windows itself (MSYS2's MinGW-w64 shell, say) the same preset builds natively with the
# MinGW-w64 compilers on the PATH, so there is nothing to choose.
if(CMAKE_HOST_WIN32)
    return()
endif()

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(triplet x86_64-w64-mingw32)
find_program(CMAKE_CXX_COMPILER NAMES ${triplet}-g++-posix ${triplet}-g++ REQUIRED)
# GoogleTest's own project enables C as well.
find_program(CMAKE_C_COMPILER NAMES ${triplet}-gcc-posix ${triplet}-gcc REQUIRED)
find_program(CMAKE_RC_COMPILER NAMES ${triplet}-windres REQUIRED)

set(CMAKE_FIND_ROOT_PATH /usr/${triplet})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Wine 8 from Debian's wine64 package. Each test run gives it a prefix and a display of its own
# (scripts/with-wine.sh).
find_program(PONDERIVAL_WINE NAMES wine wine64 PATHS /usr/lib/wine)
if(PONDERIVAL_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${PONDERIVAL_WINE})
endif()
